// The window's fit (window/rules/Geometry.h) on its own: a few hundred bytes of WebAssembly, written
// into the page, so that the window's first look, shown before the page's module has arrived, is
// fitted to the screen by the same rule as the window, on the same device pixels.

#include "window/rules/Geometry.h"

#include <emscripten/emscripten.h>

namespace {

// All a length in device pixels asks of the fit: so many device pixels per pixel of the window.
window::Fit atRatio(double ratio)
{
    window::Fit fit;
    fit.ratio = ratio;
    return fit;
}

window::Rect controlBox(int left, int top, int width, int height, int frameLeft, int frameTop, double ratio)
{
    return window::controlPixels(atRatio(ratio), {left, top, width, height}, {frameLeft, frameTop});
}

} // namespace

// The page's calls, exported as EMSCRIPTEN_KEEPALIVE marks them, with no other list of them.
extern "C" {

// The fit of the window into a room of so many of the browser's pixels, at a device pixel ratio.
EMSCRIPTEN_KEEPALIVE double tr_fit_scale(double width, double height, double devicePixelRatio)
{
    return window::fitted(width, height, devicePixelRatio).scale;
}

EMSCRIPTEN_KEEPALIVE double tr_fit_ratio(double width, double height, double devicePixelRatio)
{
    return window::fitted(width, height, devicePixelRatio).ratio;
}

EMSCRIPTEN_KEEPALIVE double tr_fit_left(double width, double height, double devicePixelRatio)
{
    return window::fitted(width, height, devicePixelRatio).left;
}

EMSCRIPTEN_KEEPALIVE double tr_fit_top(double width, double height, double devicePixelRatio)
{
    return window::fitted(width, height, devicePixelRatio).top;
}

// The window's own size, in pixels.
EMSCRIPTEN_KEEPALIVE int tr_window_width()
{
    return window::clientPixels().width;
}

EMSCRIPTEN_KEEPALIVE int tr_window_height()
{
    return window::clientPixels().height;
}

// Where a caption's line stands in its box, in device pixels (window::CaptionLine's terms, in order).
EMSCRIPTEN_KEEPALIVE double tr_caption_line(double boxHeight, double top, double ascent, double inkAbove,
                                            double inkBelow, double step)
{
    return window::captionLineTop({boxHeight, top, ascent, inkAbove, inkBelow, step});
}

// So many pixels of the window as whole device pixels, at so many device pixels per pixel.
EMSCRIPTEN_KEEPALIVE int tr_device_pixels(double pixels, double ratio)
{
    return window::devicePixels(atRatio(ratio), pixels);
}

// A control's box on whole device pixels (window::controlPixels): its place and size in twips, the
// place in twips of the frame it stands in (none: 0, 0), and device pixels per pixel of the window.
EMSCRIPTEN_KEEPALIVE int tr_control_left(int left, int top, int width, int height, int frameLeft, int frameTop,
                                         double ratio)
{
    return controlBox(left, top, width, height, frameLeft, frameTop, ratio).left;
}

EMSCRIPTEN_KEEPALIVE int tr_control_top(int left, int top, int width, int height, int frameLeft, int frameTop,
                                        double ratio)
{
    return controlBox(left, top, width, height, frameLeft, frameTop, ratio).top;
}

EMSCRIPTEN_KEEPALIVE int tr_control_width(int left, int top, int width, int height, int frameLeft, int frameTop,
                                          double ratio)
{
    return controlBox(left, top, width, height, frameLeft, frameTop, ratio).width;
}

EMSCRIPTEN_KEEPALIVE int tr_control_height(int left, int top, int width, int height, int frameLeft, int frameTop,
                                           double ratio)
{
    return controlBox(left, top, width, height, frameLeft, frameTop, ratio).height;
}
}
