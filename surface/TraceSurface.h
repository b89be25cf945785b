#pragma once

#include "surface/Surface.h"

#include <cstdio>

namespace surface {

// Prints every drawing operation, one per line, in the headless driver's trace format.
class TraceSurface final : public Surface {
public:
    explicit TraceSurface(std::FILE* out)
        : out_(out)
    {
    }

    void setScaleMode(int mode) override;
    void setDrawWidth(int pixels) override;
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius) override;

private:
    std::FILE* out_;
};

} // namespace surface
