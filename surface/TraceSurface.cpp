#include "surface/TraceSurface.h"

namespace surface {

void TraceSurface::setScaleMode(int mode)
{
    std::fprintf(out_, "ScaleMode %d\n", mode);
}

void TraceSurface::setDrawWidth(int pixels)
{
    std::fprintf(out_, "DrawWidth %d\n", pixels);
}

void TraceSurface::Line(int flags, float x1, float y1, float x2, float y2, Colour colour)
{
    const Colour shown = flags == lineInColour ? colour : foregroundColour;
    std::fprintf(out_, "Line %d %.9g %.9g %.9g %.9g 0x%06X\n", flags, double(x1), double(y1), double(x2), double(y2),
                 unsigned(shown & 0xFFFFFFu));
}

void TraceSurface::Circle(float x, float y, float radius)
{
    std::fprintf(out_, "Circle %.9g %.9g %.9g\n", double(x), double(y), double(radius));
}

} // namespace surface
