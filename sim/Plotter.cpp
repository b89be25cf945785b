#include "sim/Plotter.h"

#include <cmath>

namespace sim {
namespace {

bool finite(float a, float b, float c, float d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

void Plotter::line(double x1, double y1, double x2, double y2)
{
    const float a = float(x1), b = float(y1), c = float(x2), d = float(y2);
    if (finite(a, b, c, d))
        surface_.Line(surface::lineInForeground, a, b, c, d, 0);
}

void Plotter::line(double x1, double y1, double x2, double y2, surface::Colour colour)
{
    const float a = float(x1), b = float(y1), c = float(x2), d = float(y2);
    if (finite(a, b, c, d))
        surface_.Line(surface::lineInColour, a, b, c, d, colour);
}

void Plotter::circle(double x, double y, double radius)
{
    const float a = float(x), b = float(y), r = float(radius);
    if (finite(a, b, r, 0.0f))
        surface_.Circle(a, b, r);
}

} // namespace sim
