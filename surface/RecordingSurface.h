#pragma once

#include "surface/Surface.h"

#include <cstddef>
#include <vector>

namespace surface {

// Keeps every call in order, so that tests can read back what a run drew.
class RecordingSurface final : public Surface {
public:
    enum class Op { ScaleMode, DrawWidth, Line, Circle };

    struct Call {
        Op op{};
        int value{};                  // scale mode, pen width or line flags
        float x1{}, y1{}, x2{}, y2{}; // a circle keeps its centre in x1, y1 and its radius in x2
        Colour colour{};
    };

    void setScaleMode(int mode) override { calls.push_back({Op::ScaleMode, mode}); }
    void setDrawWidth(int pixels) override { calls.push_back({Op::DrawWidth, pixels}); }
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) override
    {
        calls.push_back({Op::Line, flags, x1, y1, x2, y2, colour});
    }
    void Circle(float x, float y, float radius) override { calls.push_back({Op::Circle, 0, x, y, radius}); }

    // Draws the recorded calls again, in order, onto another surface: all of them, or those
    // from one to before another.
    void replayOnto(Surface& surface) const { replayOnto(surface, 0, calls.size()); }
    void replayOnto(Surface& surface, std::size_t from, std::size_t to) const
    {
        for (std::size_t i = from; i < to && i < calls.size(); ++i) {
            const Call& c = calls[i];
            switch (c.op) {
            case Op::ScaleMode:
                surface.setScaleMode(c.value);
                break;
            case Op::DrawWidth:
                surface.setDrawWidth(c.value);
                break;
            case Op::Line:
                surface.Line(c.value, c.x1, c.y1, c.x2, c.y2, c.colour);
                break;
            case Op::Circle:
                surface.Circle(c.x1, c.y1, c.x2);
                break;
            }
        }
    }

    std::size_t count(Op op) const
    {
        std::size_t n = 0;
        for (const Call& call : calls)
            n += call.op == op;
        return n;
    }

    std::vector<Call> calls;
};

} // namespace surface
