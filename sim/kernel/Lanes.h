#pragma once

#include "sim/PathFan.h"

// The path sums written once for vectors of any width. `Isa` supplies the vector type V, its
// width, the lane indices 0, 1, ..., and loads, stores, arithmetic, the square root and
// sine-and-cosine.
//
// Each instruction set's file is compiled with its own code-generation flags and includes this
// inside an unnamed namespace: none of it may become a function that other files share, since
// the linker keeps a single copy of such a function, possibly one with instructions the
// processor lacks. For the same reason the kernels use no library templates or inline
// functions, and are compiled with -ffp-contract=off, so that every product and sum is rounded
// as the scalar code rounds it.

template <class Isa> void lengthsOf(const sim::StraightPaths& paths, int count, double* out)
{
    using V = typename Isa::V;
    const V xFirst = Isa::set(paths.xFirst);
    const V heightSquared = Isa::set(paths.heightSquared);
    const V factor = Isa::set(paths.factor);
    for (int first = 0; first < count; first += Isa::width) {
        // Whole numbers: exact, as xPath - xDetector is in the scalar code.
        const V dx = Isa::add(xFirst, Isa::add(Isa::set(double(first)), Isa::indices()));
        Isa::store(out + first, Isa::mul(factor, Isa::sqrt(Isa::add(Isa::mul(dx, dx), heightSquared))));
    }
}

template <class Isa> typename Isa::V phasesAt(const sim::PathFan& fan, int first)
{
    return Isa::mul(Isa::set(double(sim::waveNumber)),
                    Isa::add(Isa::load(fan.pathIn + first), Isa::load(fan.pathOut + first)));
}

template <class Isa> sim::Vec sumOf(const sim::PathFan& fan)
{
    using V = typename Isa::V;
    constexpr int width = Isa::width;
    // The last path stands alone: every width divides the other 1000.
    constexpr int last = sim::pathCount - 1;
    static_assert(last % width == 0 && last + width <= sim::paddedPaths);
    const V length = Isa::set(fan.length);
    V sumX = Isa::set(0.0);
    V sumY = Isa::set(0.0);
    for (int first = 0; first < last; first += width) {
        V sine;
        V cosine;
        Isa::sincos(phasesAt<Isa>(fan, first), sine, cosine);
        sumX = Isa::add(sumX, Isa::mul(length, cosine));
        sumY = Isa::add(sumY, Isa::mul(length, sine));
    }
    double x[width];
    double y[width];
    Isa::store(x, sumX);
    Isa::store(y, sumY);
    double totalX = 0;
    double totalY = 0;
    for (int lane = 0; lane < width; ++lane) {
        totalX += x[lane];
        totalY += y[lane];
    }
    V sine;
    V cosine;
    Isa::sincos(phasesAt<Isa>(fan, last), sine, cosine);
    Isa::store(x, Isa::mul(length, cosine));
    Isa::store(y, Isa::mul(length, sine));
    return {totalX + x[0], totalY + y[0]};
}

template <class Isa> void arrowsOf(const sim::PathFan& fan, double* x, double* y)
{
    using V = typename Isa::V;
    const V length = Isa::set(fan.length);
    for (int first = 0; first < sim::pathCount; first += Isa::width) {
        V sine;
        V cosine;
        Isa::sincos(phasesAt<Isa>(fan, first), sine, cosine);
        Isa::store(x + first, Isa::mul(length, cosine));
        Isa::store(y + first, Isa::mul(length, sine));
    }
}
