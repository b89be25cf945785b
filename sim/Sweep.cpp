#include "sim/Sweep.h"

#include "sim/Pause.h"
#include "sim/Scene.h"
#include "sim/SweepSteps.h"

#include <algorithm>

namespace sim {
namespace {

inline constexpr int markerRadius = 10;

double squaredDistance(Vec a, Vec b)
{
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

Vec plus(Vec point, Vec arrow)
{
    return {point.x + arrow.x, point.y + arrow.y};
}

// The chains that this step draws, arrow by arrow, V's and S's in turn along the paths; each
// arrow runs from the chain's tip before it to the tip after it.
void drawChains(const StepSums& sums, Vec& tipV, Vec& tipS, Plotter& plot)
{
    for (int i = 0; i < pathCount; ++i) {
        if (!sums.chainV.empty()) {
            const Vec next = plus(tipV, {sums.chainV.x[i], sums.chainV.y[i]});
            plot.line(tipV.x, tipV.y, next.x, next.y);
            tipV = next;
        }
        if (!sums.chainS.empty()) {
            const Vec next = plus(tipS, {sums.chainS.x[i], sums.chainS.y[i]});
            plot.line(tipS.x, tipS.y, next.x, next.y);
            tipS = next;
        }
    }
}

} // namespace

Sweep::Sweep(const RunSettings& settings, const CaseParameters& parameters, Plotter& plot)
    : settings_(settings)
    , p_(parameters)
    , plot_(plot)
    , sums_(settings, parameters)
    // Tests may ask for fewer steps than the whole sweep.
    , steps_(std::clamp(settings.steps, 0, sweepSteps))
{
    readings_.reserve(std::size_t(steps_));
}

double Sweep::step()
{
    const SweepStep step = sweepStep(k_);
    const StepSums sums = sums_.at(step);
    ++k_;
    const double yTrackH = yBoundary - settings_.distanceH;
    const double yTrackS = yBoundary + depthS;
    const double xTrack = xLeft + step.xOffset;
    const Vec originV{xSpiralV, double(step.ySweep)};
    const Vec originH{xTrack, yTrackH};
    const Vec originS{xTrack, yTrackS + spiralDropS};

    const double xMarker = (xLeft - yTop) + 0.72 * step.ySweep;
    plot_.circle(xDetectorV, step.ySweep, markerRadius);
    plot_.circle(xMarker, yTrackS, markerRadius);
    plot_.circle(xMarker, yTrackH, markerRadius);

    // A drawn chain's tip moves arrow by arrow as it is drawn; the others end at their sums.
    Vec tipV = step.drawV ? originV : plus(originV, sums.v);
    const Vec tipH = plus(originH, sums.h);
    Vec tipS = step.drawS ? originS : plus(originS, sums.s);
    if (step.drawV || step.drawS)
        drawChains(sums, tipV, tipS, plot_);

    // The light a detector receives is the squared length of its sum, scaled into a bar.
    const Reading& reading =
        readings_.emplace_back(Reading{k_, step.ySweep, squaredDistance(tipV, originV), int(xTrack),
                                       squaredDistance(tipH, originH), int(xTrack), squaredDistance(tipS, originS)});
    plot_.width(1);
    const double intensityV = p_.scaleV * reading.readingV;
    plot_.line(xDetectorV, step.ySweep, xDetectorV + intensityV, step.ySweep);
    const double intensityH = p_.scaleH * reading.readingH;
    plot_.line(xTrack, yTrackH, xTrack, yTrackH - intensityH);
    const double intensityS = p_.scaleS * reading.readingS;
    plot_.line(xTrack, yTrackS, xTrack, yTrackS - intensityS);

    plot_.width(1);
    return settings_.slowdown;
}

} // namespace sim
