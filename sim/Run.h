#pragma once

#include "sim/RunSettings.h"
#include "sim/StopRequested.h"
#include "surface/Surface.h"

namespace sim {

// One press of Start: the scene, the incidence case, then the sweep, drawn onto `surface`.
// The run ends early, before a step of the sweep, once `stopRequested` says so. Returns how many
// subtractions the pauses of its steps made.
double run(const RunSettings& settings, surface::Surface& surface, const StopRequested& stopRequested = {});

} // namespace sim
