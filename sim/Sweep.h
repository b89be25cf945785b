#pragma once

#include "sim/Cases.h"
#include "sim/PathSums.h"
#include "sim/Plotter.h"
#include "sim/RunSettings.h"

#include <vector>

namespace sim {

// What the detectors measured at one step of the sweep: where each stood (Detector V's y,
// Detectors H's and S's x, in twips) and its reading, the squared length of the resultant of its
// arrows, before a bar's scale.
struct Reading {
    int step{}; // from 1
    int yV{};
    double readingV{};
    int xH{};
    double readingH{};
    int xS{};
    double readingS{};
};

// Moves the three detectors along their tracks, 467 steps. At each step every detector sums
// one phase arrow per path from the lit stretch; the squared length of a sum, scaled, is
// drawn as a bar, and the chains of arrows (Cornu spirals) of Detectors V and S are drawn
// at regular steps. Each step ends with the countdown pause, which the run makes.
class Sweep {
public:
    Sweep(const RunSettings& settings, const CaseParameters& parameters, Plotter& plot);

    const CaseParameters& parameters() const { return p_; }
    // Every step's readings so far, as the steps measured them.
    const std::vector<Reading>& readings() const { return readings_; }

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
    std::vector<Reading> readings_;
};

} // namespace sim
