#pragma once

#include "sim/Cases.h"
#include "sim/Plotter.h"
#include "sim/RunSettings.h"
#include "sim/StopRequested.h"

namespace sim {

// Moves the three detectors along their tracks, 467 steps. At each step every detector sums
// one phase arrow per path from the lit stretch; the squared length of a sum, scaled, is
// drawn as a bar, and the chains of arrows (Cornu spirals) of Detectors V and S are drawn
// at regular steps. Each step ends with the countdown pause. Before each step the sweep asks
// whether it should stop, so that a closing window need not wait for the whole sweep. Returns
// how many subtractions the pauses made.
double sweep(const RunSettings& settings, const CaseParameters& parameters, Plotter& plot,
             const StopRequested& stopRequested = {});

} // namespace sim
