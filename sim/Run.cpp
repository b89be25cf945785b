#include "sim/Run.h"

#include "sim/Cases.h"
#include "sim/SceneStage.h"
#include "sim/Sweep.h"

namespace sim {

double run(const RunSettings& settings, surface::Surface& surface, const StopRequested& stopRequested)
{
    Plotter plot(surface);
    const double sinRay = drawScene(settings, plot);
    const CaseParameters parameters = drawCase(settings, sinRay, plot);
    return sweep(settings, parameters, plot, stopRequested);
}

} // namespace sim
