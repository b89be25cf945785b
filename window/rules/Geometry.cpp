#include "window/rules/Geometry.h"

#include "surface/Surface.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace window {
namespace {

// The logical pixel a coordinate in twips falls in.
int pixelOf(int twips)
{
    return int(std::floor(twips / double(surface::twipsPerPixel)));
}

// The first and last device pixels whose centres lie within (near, far], in device pixels: a centre
// on the near bound is out, one on the far bound in.
int firstWithin(double near)
{
    return int(std::floor(near - 0.5)) + 1;
}

int lastWithin(double far)
{
    return int(std::floor(far - 0.5));
}

// A scale within this of a step is at it.
constexpr double sameScale = 1e-3;

// A number rounded half up, as a web page's script rounds it.
double roundedHalfUp(double x)
{
    return std::floor(x + 0.5);
}

} // namespace

Size clientPixels()
{
    const WindowProperties& p = properties();
    return {p.clientWidth / surface::twipsPerPixel, p.clientHeight / surface::twipsPerPixel};
}

Fit fitted(double roomWidth, double roomHeight, double devicePixelRatio)
{
    const Size window = clientPixels();
    Fit fit;
    fit.devicePixelRatio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    const double scale = std::min(roomWidth / window.width, roomHeight / window.height);
    fit.scale = scale > 0 && std::isfinite(scale) ? scale : 1;
    fit.ratio = fit.scale * fit.devicePixelRatio;
    const double d = fit.devicePixelRatio;
    const auto centred = [&fit, d](double room, int size) {
        return std::max(std::floor((room * d - devicePixels(fit, size)) / 2), 0.0) / d;
    };
    fit.left = centred(roomWidth, window.width);
    fit.top = centred(roomHeight, window.height);
    return fit;
}

int devicePixels(const Fit& fit, double pixels)
{
    return int(roundedHalfUp(pixels * fit.ratio));
}

Rect controlPixels(const Fit& fit, const Rect& place, Point frame)
{
    const auto at = [&fit](int twips) { return devicePixels(fit, twips / double(surface::twipsPerPixel)); };
    const int left = at(frame.x + place.left);
    const int top = at(frame.y + place.top);
    return {left - at(frame.x), top - at(frame.y), at(frame.x + place.left + place.width) - left,
            at(frame.y + place.top + place.height) - top};
}

double zoomedIn(double scale)
{
    for (const double step : zoomSteps) {
        if (step > scale + sameScale)
            return step;
    }
    return std::max(scale, std::end(zoomSteps)[-1]);
}

double zoomedOut(double scale)
{
    for (auto step = std::rbegin(zoomSteps); step != std::rend(zoomSteps); ++step) {
        if (*step < scale - sameScale)
            return *step;
    }
    return std::min(scale, zoomSteps[0]);
}

double captionLineTop(const CaptionLine& line)
{
    // The bounds the line's top may take: the ink's top on the box's first row at the highest, the
    // ink's bottom just above the box's last row at the lowest.
    const double highest = line.inkAbove - line.ascent;
    const double lowest = line.boxHeight - 1 - line.inkBelow - line.ascent;
    if (line.top >= highest && line.top <= lowest)
        return line.top;
    const double step = line.step > 0 ? line.step : 1;
    const double first = std::ceil(highest / step) * step;
    const double last = std::floor(lowest / step) * step;
    if (first <= last)
        return std::clamp(line.top, first, last);
    // The ink is taller than the box: it is cut as evenly as the steps allow.
    return std::floor((highest + lowest) / 2 / step) * step;
}

bool isCaption(const Control& control)
{
    return (control.kind == Kind::TextBox && !control.bordered) || control.kind == Kind::Label;
}

Rect linePixels(Point from, Point to, int width, double ratio)
{
    // The pen runs along the middle of the pixels the ends fall in, with flat ends.
    const bool horizontal = from.y == to.y;
    const double startAlong =
        (horizontal ? std::min(pixelOf(from.x), pixelOf(to.x)) : std::min(pixelOf(from.y), pixelOf(to.y))) + 0.5;
    const double endAlong =
        (horizontal ? std::max(pixelOf(from.x), pixelOf(to.x)) : std::max(pixelOf(from.y), pixelOf(to.y))) + 0.5;
    const double middle = (horizontal ? pixelOf(from.y) : pixelOf(from.x)) + 0.5;
    const int along = firstWithin(startAlong * ratio);
    const int alongEnd = std::max(lastWithin(endAlong * ratio) + 1, along + 1);
    int across = firstWithin((middle - width / 2.0) * ratio);
    int acrossEnd = lastWithin((middle + width / 2.0) * ratio) + 1;
    // A pen narrower than a device pixel may hold no pixel's centre: it then sets the pixel its
    // middle falls in, so that a window smaller than its design still shows every line.
    if (acrossEnd <= across) {
        across = int(std::floor(middle * ratio));
        acrossEnd = across + 1;
    }
    return horizontal ? Rect{along, across, alongEnd - along, acrossEnd - across}
                      : Rect{across, along, acrossEnd - across, alongEnd - along};
}

bool mayGrow(const Control& control)
{
    return (control.kind == Kind::TextBox && !control.bordered) || control.kind == Kind::Option;
}

int grownLeft(const Control& control, int lacking)
{
    switch (control.align) {
    case Align::Right:
        return lacking;
    case Align::Centre:
        return lacking / 2;
    case Align::Left:
        break;
    }
    return 0;
}

} // namespace window
