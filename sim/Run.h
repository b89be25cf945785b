#pragma once

#include "sim/Plotter.h"
#include "sim/RunSettings.h"
#include "sim/StopRequested.h"
#include "sim/Sweep.h"
#include "surface/Surface.h"

namespace sim {

// One press of Start taken a step at a time: the scene and the incidence case are drawn and
// every path summed when it begins; then each step draws one step of the sweep and its pause.
class Run {
public:
    Run(const RunSettings& settings, surface::Surface& surface);

    bool done() const { return sweep_.done(); }
    // Returns how many subtractions the step's pause made.
    double step() { return sweep_.step(); }

private:
    RunSettings settings_;
    Plotter plot_;
    Sweep sweep_;
};

// One press of Start: the scene, the incidence case, then the sweep, drawn onto `surface`.
// The run ends early, before a step of the sweep, once `stopRequested` says so. Returns how many
// subtractions the pauses of its steps made.
double run(const RunSettings& settings, surface::Surface& surface, const StopRequested& stopRequested = {});

} // namespace sim
