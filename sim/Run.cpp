#include "Run.h"

#include "Cases.h"
#include "SceneStage.h"
#include "Sweep.h"

namespace sim {

double run(const RunSettings& settings, surface::Surface& surface, const StopRequested& stopRequested)
{
    Plotter plot(surface);
    const double sinRay = drawScene(settings, plot);
    const CaseParameters parameters = drawCase(settings, sinRay, plot);
    return sweep(settings, parameters, plot, stopRequested);
}

} // namespace sim
