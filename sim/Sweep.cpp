#include "Sweep.h"

#include "Pause.h"
#include "Scene.h"

#include <cmath>

namespace sim {
namespace {

inline constexpr int stepV = 15;   // Detector V moves down this far each step
inline constexpr int stepHS = 10;  // Detectors H and S move right this far each step
inline constexpr int markerRadius = 10;
inline constexpr int spiralEveryV = 100; // V's chain is drawn where ySweep is a multiple of this
inline constexpr int spiralEveryS = 250; // and S's where it is a multiple of this
inline constexpr int darkS = 1000;       // above this ySweep, S's arrows have no length

struct Point {
    double x{};
    double y{};
};

double squaredDistance(Point a, Point b)
{
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// One arrow of a chain: turns clockwise on the screen as the phase grows (y points down).
Point advance(Point tip, double length, double phase)
{
    return {tip.x + length * std::cos(phase), tip.y + length * std::sin(phase)};
}

} // namespace

void sweep(const RunSettings& settings, const CaseParameters& p, Plotter& plot)
{
    const double n = settings.refIndex;
    const double distanceH = settings.distanceH;
    // The incoming wave's phase along the boundary: the same sine for the whole run.
    const double sinAlpha = std::sin(toRadians(settings.alphaDeg));
    const double yTrackH = yBoundary - distanceH;
    const double yTrackS = yBoundary + depthS;

    int xOffset = 0;
    for (int ySweep = yTop, step = 0; ySweep <= yBottom && step < settings.steps; ySweep += stepV, ++step) {
        const double arrowLenSStep = ySweep < darkS ? 0 : p.arrowLenS;
        const double xTrack = xLeft + xOffset;
        const Point originV{xSpiralV, double(ySweep)};
        const Point originH{xTrack, yTrackH};
        const Point originS{xTrack, yTrackS + spiralDropS};
        Point tipV = originV;
        Point tipH = originH;
        Point tipS = originS;

        const double xMarker = (xLeft - yTop) + 0.72 * ySweep;
        plot.circle(xDetectorV, ySweep, markerRadius);
        plot.circle(xMarker, yTrackS, markerRadius);
        plot.circle(xMarker, yTrackH, markerRadius);

        const bool drawV = ySweep % spiralEveryV == 0;
        const bool drawS = ySweep % spiralEveryS == 0;
        const bool inMedium = ySweep > yBoundary; // on the boundary itself the point counts as air
        for (int i = 0; i <= beamWidth; ++i) {
            const double pathIn = n * i * sinAlpha;
            const double xPath = xBeam + i;

            double pathOut = std::sqrt((xPath - xDetectorV) * (xPath - xDetectorV) +
                                       double(ySweep - yBoundary) * double(ySweep - yBoundary));
            if (inMedium)
                pathOut = n * pathOut;
            const Point nextV = advance(tipV, p.arrowLen, waveNumber * (pathIn + pathOut));
            if (drawV)
                plot.line(tipV.x, tipV.y, nextV.x, nextV.y);
            tipV = nextV;

            pathOut = std::sqrt((xPath - xTrack) * (xPath - xTrack) + distanceH * distanceH);
            tipH = advance(tipH, p.arrowLen, waveNumber * (pathIn + pathOut));

            pathOut = n * std::sqrt((xPath - xTrack) * (xPath - xTrack) + double(depthS) * depthS);
            const Point nextS = advance(tipS, arrowLenSStep, waveNumber * (pathIn + pathOut));
            if (drawS)
                plot.line(tipS.x, tipS.y, nextS.x, nextS.y);
            tipS = nextS;
        }

        // The light a detector receives is the squared length of its sum, scaled into a bar.
        plot.width(1);
        const double intensityV = p.scaleV * squaredDistance(tipV, originV);
        plot.line(xDetectorV, ySweep, xDetectorV + intensityV, ySweep);
        const double intensityH = p.scaleH * squaredDistance(tipH, originH);
        plot.line(xTrack, yTrackH, xTrack, yTrackH - intensityH);
        const double intensityS = p.scaleS * squaredDistance(tipS, originS);
        plot.line(xTrack, yTrackS, xTrack, yTrackS - intensityS);

        xOffset += stepHS;
        plot.width(1);
        if (settings.slowdown >= visiblePause)
            plot.flush();
        countdown(settings.slowdown);
    }
}

} // namespace sim
