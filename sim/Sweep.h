#pragma once

#include "sim/Cases.h"
#include "sim/Plotter.h"
#include "sim/RunSettings.h"
#include "sim/PathSums.h"

#include <vector>

namespace sim {

// Moves the three detectors along their tracks, 467 steps. At each step every detector sums
// one phase arrow per path from the lit stretch; the squared length of a sum, scaled, is
// drawn as a bar, and the chains of arrows (Cornu spirals) of Detectors V and S are drawn
// at regular steps. Each step ends with the countdown pause. A front end that has to hand the
// screen back between steps (a browser's page) takes them one at a time.
class Sweep {
public:
    // Sums every path of every step; draws nothing yet.
    Sweep(const RunSettings& settings, const CaseParameters& parameters, Plotter& plot);

    bool done() const { return k_ == int(allSums_.size()); }
    // Draws the next step and makes its pause; returns how many subtractions the pause made.
    double step();

private:
    const RunSettings& settings_;
    CaseParameters p_;
    Plotter& plot_;
    std::vector<StepSums> allSums_;
    int k_{};
};

} // namespace sim
