#include "sim/Run.h"

#include "sim/Cases.h"
#include "sim/SceneStage.h"

#include <algorithm>

namespace sim {
namespace {

// The scene and the incidence case, drawn before the sweep can begin: the case decides the
// sweep's parameters.
CaseParameters drawSceneAndCase(const RunSettings& settings, surface::Surface& surface)
{
    Plotter plot(surface);
    const double sinRay = drawScene(settings, plot);
    return drawCase(settings, sinRay, plot);
}

// The clock is read once in so many of the scene's calls.
constexpr std::size_t callsPerClockReading = 256;

} // namespace

Run::Run(const RunSettings& settings, surface::Surface& surface)
    : settings_(settings)
    , surface_(surface)
    , plot_(surface)
    , sweep_(settings_, drawSceneAndCase(settings_, setUp_), plot_)
{
}

bool Run::advance(Clock::time_point deadline)
{
    // Every call goes on by something, however late it begins: a share of the scene, or a step.
    bool advanced = false;
    while (setUpDrawn_ < setUp_.calls.size()) {
        const std::size_t next = std::min(setUpDrawn_ + callsPerClockReading, setUp_.calls.size());
        setUp_.replayOnto(surface_, setUpDrawn_, next);
        setUpDrawn_ = next;
        advanced = true;
        if (Clock::now() >= deadline)
            return true;
    }
    for (;;) {
        if (pause_) {
            const bool over = pause_->runUntil(deadline);
            if (!over)
                return true;
            paused_ += pause_->subtractions();
            pause_.reset();
        }
        if (sweep_.done())
            return false;
        if (advanced && Clock::now() >= deadline)
            return true;
        pause_.emplace(sweep_.step());
        advanced = true;
    }
}

double run(const RunSettings& settings, surface::Surface& surface)
{
    Run run(settings, surface);
    run.advance(Run::Clock::time_point::max());
    return run.paused();
}

} // namespace sim
