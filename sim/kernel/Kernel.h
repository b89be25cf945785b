#pragma once

#include "sim/PathFan.h"

namespace sim::kernel {

// The work of a whole sweep: a square root, a sine and a cosine for each path of each fan.
// Each kernel is the same computation for one instruction set, as many paths at a time as its
// vectors hold; the arithmetic is the scalar one's, operation for operation, and only the sines
// and cosines and the order of the sums' additions differ. The vector sines and cosines reduce
// even the largest phases of a run (some 60,000 radians) exactly and are within 3.5 ulp: an
// arrow's end moves by less than 1e-14 twip, and they take two thirds of the time that the
// 1-ulp ones do.
struct Kernel {
    const char* name{};
    // The first `count` lengths of the paths, into `out`; count is a multiple of 8.
    void (*lengths)(const StraightPaths& paths, int count, double* out){};
    // The sum of the fan's arrows.
    Vec (*sum)(const PathFan& fan){};
    // Every arrow of the fan, into x and y, paddedPaths values each.
    void (*arrows)(const PathFan& fan, double* x, double* y){};
};

} // namespace sim::kernel
