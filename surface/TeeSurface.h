#pragma once

#include "surface/Surface.h"

namespace surface {

// Hands every call to two surfaces: the window's canvas and an observer such as a trace.
class TeeSurface final : public Surface {
public:
    TeeSurface(Surface& first, Surface& second)
        : first_(first)
        , second_(second)
    {
    }

    void setScaleMode(int mode) override
    {
        first_.setScaleMode(mode);
        second_.setScaleMode(mode);
    }
    void setDrawWidth(int pixels) override
    {
        first_.setDrawWidth(pixels);
        second_.setDrawWidth(pixels);
    }
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) override
    {
        first_.Line(flags, x1, y1, x2, y2, colour);
        second_.Line(flags, x1, y1, x2, y2, colour);
    }
    void Circle(float x, float y, float radius) override
    {
        first_.Circle(x, y, radius);
        second_.Circle(x, y, radius);
    }

private:
    Surface& first_;
    Surface& second_;
};

} // namespace surface
