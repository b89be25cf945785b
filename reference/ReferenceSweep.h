#pragma once

// The sweep written the straightforward way, as the yardstick for the program's own: one
// scalar square root, cosine and sine per path, detector and step, every arrow added to its
// running tip as soon as it is computed, every drawing call made as the loop reaches it.
// The benchmark measures the program against it, and the tests check that the program draws
// the same picture.

#include "sim/Cases.h"
#include "sim/Pause.h"
#include "sim/Plotter.h"
#include "sim/RunSettings.h"
#include "sim/Scene.h"
#include "sim/SceneStage.h"

#include <cmath>
#include <vector>

namespace reference {

struct Point {
    double x{};
    double y{};
};

// Where the three chains of one step end.
struct StepTips {
    Point v;
    Point h;
    Point s;
};

// Stands in for the plotter when only the sums are wanted.
struct NoDrawing {
    void circle(double, double, double) {}
    void line(double, double, double, double) {}
    void width(int) {}
};

inline double squaredDistance(Point a, Point b)
{
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

inline Point advance(Point tip, double length, double phase)
{
    return {tip.x + length * std::cos(phase), tip.y + length * std::sin(phase)};
}

// 467 steps of the three detectors; returns where each step's chains end.
template <class Plot>
std::vector<StepTips> sweep(const sim::RunSettings& settings, const sim::CaseParameters& p, Plot& plot)
{
    using namespace sim;
    const double n = settings.refIndex;
    const double distanceH = settings.distanceH;
    const double sinAlpha = std::sin(toRadians(settings.alphaDeg));
    const double yTrackH = yBoundary - distanceH;
    const double yTrackS = yBoundary + depthS;

    std::vector<StepTips> tips;
    int xOffset = 0;
    for (int ySweep = yTop, step = 0; ySweep <= yBottom && step < settings.steps; ySweep += 15, ++step) {
        const double arrowLenSStep = ySweep < 1000 ? 0 : p.arrowLenS;
        const double xTrack = xLeft + xOffset;
        const Point originV{xSpiralV, double(ySweep)};
        const Point originH{xTrack, yTrackH};
        const Point originS{xTrack, yTrackS + spiralDropS};
        Point tipV = originV;
        Point tipH = originH;
        Point tipS = originS;

        const double xMarker = (xLeft - yTop) + 0.72 * ySweep;
        plot.circle(xDetectorV, ySweep, 10);
        plot.circle(xMarker, yTrackS, 10);
        plot.circle(xMarker, yTrackH, 10);

        for (int i = 0; i <= beamWidth; ++i) {
            const double pathIn = n * i * sinAlpha;
            const double xPath = xBeam + i;

            double pathOut = std::sqrt((xPath - xDetectorV) * (xPath - xDetectorV) +
                                       double(ySweep - yBoundary) * double(ySweep - yBoundary));
            if (ySweep > yBoundary)
                pathOut = n * pathOut;
            const Point nextV = advance(tipV, p.arrowLen, waveNumber * (pathIn + pathOut));
            if (ySweep % 100 == 0)
                plot.line(tipV.x, tipV.y, nextV.x, nextV.y);
            tipV = nextV;

            pathOut = std::sqrt((xPath - xTrack) * (xPath - xTrack) + distanceH * distanceH);
            tipH = advance(tipH, p.arrowLen, waveNumber * (pathIn + pathOut));

            pathOut = n * std::sqrt((xPath - xTrack) * (xPath - xTrack) + double(depthS) * depthS);
            const Point nextS = advance(tipS, arrowLenSStep, waveNumber * (pathIn + pathOut));
            if (ySweep % 250 == 0)
                plot.line(tipS.x, tipS.y, nextS.x, nextS.y);
            tipS = nextS;
        }

        plot.width(1);
        const double intensityV = p.scaleV * squaredDistance(tipV, originV);
        plot.line(xDetectorV, ySweep, xDetectorV + intensityV, ySweep);
        const double intensityH = p.scaleH * squaredDistance(tipH, originH);
        plot.line(xTrack, yTrackH, xTrack, yTrackH - intensityH);
        const double intensityS = p.scaleS * squaredDistance(tipS, originS);
        plot.line(xTrack, yTrackS, xTrack, yTrackS - intensityS);
        tips.push_back({tipV, tipH, tipS});

        xOffset += 10;
        plot.width(1);
        countdown(settings.slowdown);
    }
    return tips;
}

// A whole press of Start: the program's scene and incidence case, then the reference sweep.
inline void run(const sim::RunSettings& settings, surface::Surface& surface)
{
    sim::Plotter plot(surface);
    const double sinRay = sim::drawScene(settings, plot);
    const sim::CaseParameters parameters = sim::drawCase(settings, sinRay, plot);
    sweep(settings, parameters, plot);
}

} // namespace reference
