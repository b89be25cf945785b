#pragma once

#include "surface/Surface.h"

namespace sim {

// The run computes in double precision; coordinates become single precision only here,
// as they are handed to the surface. A call with any coordinate that is not finite in
// single precision (NaN, an infinity, beyond the float range) would draw nothing
// meaningful, so it is not made at all.
class Plotter {
public:
    explicit Plotter(surface::Surface& surface)
        : surface_(surface)
    {
    }

    void scaleMode(int mode) { surface_.setScaleMode(mode); }
    void width(int pixels) { surface_.setDrawWidth(pixels); }
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, surface::Colour colour);
    void circle(double x, double y, double radius);

private:
    surface::Surface& surface_;
};

} // namespace sim
