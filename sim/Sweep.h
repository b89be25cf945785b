#pragma once

#include "sim/Cases.h"
#include "sim/PathSums.h"
#include "sim/Plotter.h"
#include "sim/RunSettings.h"

namespace sim {

// Moves the three detectors along their tracks, 467 steps. At each step every detector sums
// one phase arrow per path from the lit stretch; the squared length of a sum, scaled, is
// drawn as a bar, and the chains of arrows (Cornu spirals) of Detectors V and S are drawn
// at regular steps. Each step ends with the countdown pause, which the run makes.
class Sweep {
public:
    Sweep(const RunSettings& settings, const CaseParameters& parameters, Plotter& plot);

    bool done() const { return k_ == steps_; }
    // Sums and draws the next step; returns the count of the pause that follows it.
    double step();

private:
    const RunSettings& settings_;
    CaseParameters p_;
    Plotter& plot_;
    PathSums sums_;
    int steps_;
    int k_{};
};

} // namespace sim
