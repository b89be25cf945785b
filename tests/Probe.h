#pragma once

#include "surface/RecordingSurface.h"

#include <cstddef>
#include <functional>
#include <map>

// Records like RecordingSurface, and runs a hook when the drawing reaches a given call, so that
// a test can act while a run is under way.
class ProbeSurface final : public surface::Surface {
public:
    std::map<std::size_t, std::function<void()>> hooks;
    surface::RecordingSurface recording;

    void setScaleMode(int mode) override
    {
        step([&] { recording.setScaleMode(mode); });
    }
    void setDrawWidth(int pixels) override
    {
        step([&] { recording.setDrawWidth(pixels); });
    }
    void Line(int flags, float x1, float y1, float x2, float y2, surface::Colour colour) override
    {
        step([&] { recording.Line(flags, x1, y1, x2, y2, colour); });
    }
    void Circle(float x, float y, float radius) override
    {
        step([&] { recording.Circle(x, y, radius); });
    }

private:
    template <class F> void step(F record)
    {
        record();
        const auto hook = hooks.find(recording.calls.size());
        if (hook != hooks.end())
            hook->second();
    }
};
