#include "surface/PixelCanvas.h"

#include <algorithm>
#include <cmath>

namespace surface {
namespace {

// An opaque pixel of a colour. A colour, 0x00BBGGRR, already lies red first in memory on the
// little-endian machines this runs on, as an ImageData wants it.
std::uint32_t pixelOf(Colour colour, PixelOrder order)
{
    if (order == PixelOrder::Rgba)
        return 0xFF000000u | colour;
    const Rgb rgb = rgbOf(colour);
    return 0xFF000000u | (rgb.red << 16) | (rgb.green << 8) | rgb.blue;
}

bool finite(float a, float b, float c, float d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

PixelCanvas::PixelCanvas(double devicePixelRatio, PixelOrder order)
    : devicePixelRatio_(devicePixelRatio)
    , order_(order)
    , pixelsPerTwip_(devicePixelRatio / twipsPerPixel)
{
    // The pen is one logical pixel wide until a run sets it, however many device pixels that is.
    setDrawWidth(1);
}

void PixelCanvas::setDrawWidth(int pixels)
{
    pen_ = std::clamp(pixels, 1, 64);
    devicePen_ = raster::Pen(pen_ * devicePixelRatio_);
}

raster::Rect PixelCanvas::line(const raster::Buffer& buffer, int flags, float x1, float y1, float x2, float y2,
                               Colour colour)
{
    if (!finite(x1, y1, x2, y2))
        return {};
    const Colour drawn = flags == lineInColour ? colour : foregroundColour;
    const double s = pixelsPerTwip_;
    const std::optional<raster::Segment> segment = raster::place(buffer, x1 * s, y1 * s, x2 * s, y2 * s, devicePen_);
    if (!segment)
        return {};
    const Stroke stroke{*segment, pixelOf(drawn, order_)};
    if (stroke == lastStroke_)
        return {};
    lastStroke_ = stroke;
    return raster::draw(buffer, stroke.segment, stroke.pixel);
}

raster::Rect PixelCanvas::circle(const raster::Buffer& buffer, float x, float y, float radius)
{
    if (!finite(x, y, radius, 0.0f))
        return {};
    lastStroke_.reset();
    const double s = pixelsPerTwip_;
    return raster::circle(buffer, x * s, y * s, radius * s, devicePen_, pixelOf(foregroundColour, order_));
}

} // namespace surface
