#pragma once

#include "sim/Cases.h"
#include "sim/PathFan.h"
#include "sim/RunSettings.h"
#include "sim/SweepSteps.h"
#include "sim/kernel/Kernel.h"

#include <array>

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

// The sums of a run's steps, each computed when the step comes, with the widest vectors the
// processor has: a step's work is then spread evenly over the run, and no frame of it waits for
// all the others' sums.
class PathSums {
public:
    // What stays the same for the whole run: the incoming paths and the tables of lengths to the
    // horizontal tracks.
    PathSums(const RunSettings& settings, const CaseParameters& parameters);

    StepSums at(const SweepStep& step) const;

private:
    std::array<double, paddedPaths> pathIn_{};
    std::vector<double> outH_;
    std::vector<double> outS_;
    double n_{};
    double arrowLen_{};
    double arrowLenS_{};
    const kernel::Kernel* kernel_{};
};

} // namespace sim
