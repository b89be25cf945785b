#include "sim/PathSums.h"

#include "sim/PathKernel.h"
#include "sim/Scene.h"
#include "sim/SweepSteps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <system_error>
#include <thread>

namespace sim {
namespace {

static_assert(pathCount == beamWidth + 1);

// Detectors H and S move along the boundary, so a path's length to them depends only on how far
// the path's boundary point lies from the detector: the lengths of the whole run fit one table
// per detector, and each step reads its own stretch of it.
inline constexpr int lastOffset = (sweepSteps - 1) * stepHS;
inline constexpr int tableLength = (lastOffset + paddedPaths + 7) / 8 * 8;

// A step takes some ten microseconds, about as long as starting a thread.
inline constexpr int stepsWorthAThread = 32;

// What stays the same for the whole run.
struct RunPaths {
    std::array<double, paddedPaths> pathIn{};
    std::vector<double> outH = std::vector<double>(tableLength);
    std::vector<double> outS = std::vector<double>(tableLength);
    double n{};
    double arrowLen{};
    double arrowLenS{};
    const kernel::Kernel* kernel{};
};

Chain chainOf(const RunPaths& run, const PathFan& fan)
{
    Chain chain{std::vector<double>(paddedPaths), std::vector<double>(paddedPaths)};
    run.kernel->arrows(fan, chain.x.data(), chain.y.data());
    chain.x.resize(pathCount);
    chain.y.resize(pathCount);
    return chain;
}

StepSums sumsOf(const RunPaths& run, const SweepStep& step)
{
    // Detector V moves across the boundary: its lengths are new at every step. On the boundary
    // itself it counts as in air.
    const double height = step.ySweep - yBoundary;
    std::array<double, paddedPaths> outV;
    run.kernel->lengths({xBeam - xDetectorV, height * height, step.ySweep > yBoundary ? run.n : 1.0}, paddedPaths,
                        outV.data());
    const int stretch = lastOffset - step.xOffset;
    const PathFan fanV{run.pathIn.data(), outV.data(), run.arrowLen};
    const PathFan fanH{run.pathIn.data(), run.outH.data() + stretch, run.arrowLen};
    const PathFan fanS{run.pathIn.data(), run.outS.data() + stretch, step.ySweep < darkS ? 0 : run.arrowLenS};

    StepSums sums;
    if (step.drawV)
        sums.chainV = chainOf(run, fanV);
    else
        sums.v = run.kernel->sum(fanV);
    sums.h = run.kernel->sum(fanH);
    if (step.drawS)
        sums.chainS = chainOf(run, fanS);
    else
        sums.s = run.kernel->sum(fanS);
    return sums;
}

} // namespace

std::vector<StepSums> pathSums(const RunSettings& settings, const CaseParameters& parameters)
{
    RunPaths run;
    run.n = settings.refIndex;
    run.arrowLen = parameters.arrowLen;
    run.arrowLenS = parameters.arrowLenS;
    run.kernel = &kernel::widest();
    // The incoming wave's optical path to each boundary point is the same at every step.
    const double sinAlpha = std::sin(toRadians(settings.alphaDeg));
    for (int i = 0; i < paddedPaths; ++i)
        run.pathIn[i] = run.n * i * sinAlpha;
    // Entry j of a table: from boundary point j - lastOffset to the detector at xLeft.
    const double xFirst = xBeam - (xLeft + lastOffset);
    run.kernel->lengths({xFirst, settings.distanceH * settings.distanceH, 1.0}, tableLength, run.outH.data());
    run.kernel->lengths({xFirst, double(depthS) * depthS, run.n}, tableLength, run.outS.data());

    // Tests may ask for fewer steps than the whole sweep.
    const int count = std::clamp(settings.steps, 0, sweepSteps);
    std::vector<StepSums> steps(count);
    const auto compute = [&](int from, int to) {
        for (int k = from; k < to; ++k)
            steps[k] = sumsOf(run, sweepStep(k));
    };
    // Every step is independent of the others: a second core takes the later half, when there
    // are enough steps to be worth starting a thread for.
    const int half = count / 2;
    if (count < stepsWorthAThread || std::thread::hardware_concurrency() < 2) {
        compute(0, count);
        return steps;
    }
    std::thread later;
    try {
        later = std::thread(compute, half, count);
    } catch (const std::system_error&) {
        compute(half, count); // no thread to be had: this one does it all
    }
    compute(0, half);
    if (later.joinable())
        later.join();
    return steps;
}

} // namespace sim
