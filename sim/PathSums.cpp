#include "sim/PathSums.h"

#include "sim/PathKernel.h"
#include "sim/Scene.h"

#include <cmath>

namespace sim {
namespace {

static_assert(pathCount == beamWidth + 1);

// Detectors H and S move along the boundary, so a path's length to them depends only on how far
// the path's boundary point lies from the detector: the lengths of the whole run fit one table
// per detector, and each step reads its own stretch of it.
inline constexpr int lastOffset = (sweepSteps - 1) * stepHS;
inline constexpr int tableLength = (lastOffset + paddedPaths + 7) / 8 * 8;

Chain chainOf(const kernel::Kernel& kernel, const PathFan& fan)
{
    Chain chain{std::vector<double>(paddedPaths), std::vector<double>(paddedPaths)};
    kernel.arrows(fan, chain.x.data(), chain.y.data());
    chain.x.resize(pathCount);
    chain.y.resize(pathCount);
    return chain;
}

} // namespace

PathSums::PathSums(const RunSettings& settings, const CaseParameters& parameters)
    : outH_(tableLength)
    , outS_(tableLength)
    , n_(settings.refIndex)
    , arrowLen_(parameters.arrowLen)
    , arrowLenS_(parameters.arrowLenS)
    , kernel_(&kernel::widest())
{
    // The incoming wave's optical path to each boundary point is the same at every step.
    const double sinAlpha = std::sin(toRadians(settings.alphaDeg));
    for (int i = 0; i < paddedPaths; ++i)
        pathIn_[i] = n_ * i * sinAlpha;
    // Entry j of a table: from boundary point j - lastOffset to the detector at xLeft.
    const double xFirst = xBeam - (xLeft + lastOffset);
    kernel_->lengths({xFirst, settings.distanceH * settings.distanceH, 1.0}, tableLength, outH_.data());
    kernel_->lengths({xFirst, double(depthS) * depthS, n_}, tableLength, outS_.data());
}

StepSums PathSums::at(const SweepStep& step) const
{
    // Detector V moves across the boundary: its lengths are new at every step. On the boundary
    // itself it counts as in air.
    const double height = step.ySweep - yBoundary;
    std::array<double, paddedPaths> outV;
    kernel_->lengths({xBeam - xDetectorV, height * height, step.ySweep > yBoundary ? n_ : 1.0}, paddedPaths,
                     outV.data());
    const int stretch = lastOffset - step.xOffset;
    const PathFan fanV{pathIn_.data(), outV.data(), arrowLen_};
    const PathFan fanH{pathIn_.data(), outH_.data() + stretch, arrowLen_};
    const PathFan fanS{pathIn_.data(), outS_.data() + stretch, step.ySweep < darkS ? 0 : arrowLenS_};

    StepSums sums;
    if (step.drawV)
        sums.chainV = chainOf(*kernel_, fanV);
    else
        sums.v = kernel_->sum(fanV);
    sums.h = kernel_->sum(fanH);
    if (step.drawS)
        sums.chainS = chainOf(*kernel_, fanS);
    else
        sums.s = kernel_->sum(fanS);
    return sums;
}

} // namespace sim
