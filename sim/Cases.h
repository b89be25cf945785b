#pragma once

#include "sim/Plotter.h"
#include "sim/RunSettings.h"

namespace sim {

// How the sweep builds and plots the detectors' sums. A parameter that a case leaves unset
// counts as zero, except scaleV, which the scene stage already set to 0.001.
struct CaseParameters {
    double arrowLen{};  // arrow of each path for Detectors V and H
    double arrowLenS{}; // arrow of each path for Detector S
    double scaleV{0.001};
    double scaleH{};
    double scaleS{};
};

// Draws, for the case the settings name (below, at or beyond the critical angle), in
// white the light that leaves the lit stretch for the air, and sets the detectors'
// parameters. Expects pen width 2 on entry and leaves pen width 1.
CaseParameters drawCase(const RunSettings& settings, double sinRay, Plotter& plot);

} // namespace sim
