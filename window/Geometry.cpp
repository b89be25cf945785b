#include "window/Geometry.h"

#include "surface/Surface.h"

#include <algorithm>
#include <cmath>

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

} // namespace

Size clientPixels()
{
    const WindowProperties& p = properties();
    return {p.clientWidth / surface::twipsPerPixel, p.clientHeight / surface::twipsPerPixel};
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
    const int alongEnd = lastWithin(endAlong * ratio) + 1;
    const int across = firstWithin((middle - width / 2.0) * ratio);
    const int acrossEnd = lastWithin((middle + width / 2.0) * ratio) + 1;
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
