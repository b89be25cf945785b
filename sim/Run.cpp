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

double run(const RunSettings& settings, surface::Surface& surface, const StopRequested& stopRequested)
{
    Run run(settings, surface);
    double paused = 0;
    while (!run.done() && !(stopRequested && stopRequested()))
        paused += run.step();
    return paused;
}

} // namespace sim
