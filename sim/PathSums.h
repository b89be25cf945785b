#pragma once

#include "sim/Cases.h"
#include "sim/PathFan.h"
#include "sim/RunSettings.h"

#include <vector>

namespace sim {

// The arrows of one chain that is drawn, in path order.
struct Chain {
    std::vector<double> x;
    std::vector<double> y;
    bool empty() const { return x.empty(); }
};

// What one step of the sweep needs of its paths: for each detector the sum of its arrows, and
// at the steps that draw a chain, that chain's arrows one by one.
struct StepSums {
    Vec v;
    Vec h;
    Vec s;
    Chain chainV;
    Chain chainS;
};

// The sums of every step of a run, 467 of them (or as many as the settings ask for), computed with the widest vectors
// the processor has and on two cores where there are two.
std::vector<StepSums> pathSums(const RunSettings& settings, const CaseParameters& parameters);

} // namespace sim
