#include "sim/Run.h"

#include "sim/Cases.h"
#include "sim/SceneStage.h"

namespace sim {
namespace {

// The scene and the incidence case, drawn before the sweep can begin: the case decides the
// sweep's parameters.
CaseParameters drawSceneAndCase(const RunSettings& settings, Plotter& plot)
{
    const double sinRay = drawScene(settings, plot);
    return drawCase(settings, sinRay, plot);
}

} // namespace

Run::Run(const RunSettings& settings, surface::Surface& surface)
    : settings_(settings)
    , plot_(surface)
    , sweep_(settings_, drawSceneAndCase(settings_, plot_), plot_)
{
}

bool Run::advance(Clock::time_point deadline)
{
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
        if (Clock::now() >= deadline)
            return true;
        pause_.emplace(sweep_.step());
    }
}

double run(const RunSettings& settings, surface::Surface& surface)
{
    Run run(settings, surface);
    run.advance(Run::Clock::time_point::max());
    return run.paused();
}

} // namespace sim
