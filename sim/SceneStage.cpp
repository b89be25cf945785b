#include "sim/SceneStage.h"

#include "sim/Scene.h"

#include <cmath>

namespace sim {
namespace {

void paintBackground(Plotter& plot)
{
    // No bulk clear: lines one twip apart, each rising one twip, cover the whole client area.
    for (int i = 1; i <= backgroundLines; ++i)
        plot.line(1, i + 1, backgroundRight, i, grey);
    for (int i = 1; i <= mediumLines; ++i)
        plot.line(xMediumLeft, yBoundary + i, xRight, yBoundary + i, lightGreen);
}

void drawApparatus(const RunSettings& settings, Plotter& plot)
{
    const double yTrackH = yBoundary - settings.distanceH;
    plot.width(2);
    plot.line(xMediumLeft, yBoundary, xRight, yBoundary); // the boundary
    plot.line(xSpiralV, yTop, xSpiralV, yBottom);         // V's spirals start here
    plot.line(xLeft, yBoundary + depthS + spiralDropS, xRight, yBoundary + depthS + spiralDropS); // S's spirals
    plot.width(1);
    plot.line(xDetectorV, yTop, xDetectorV, yBottom);                 // Detector V's track
    plot.line(xLeft, yTrackH, xRight, yTrackH);                       // Detector H's track
    plot.line(xLeft, yBoundary + depthS, xRight, yBoundary + depthS); // Detector S's track
    plot.line(xBeam, yTop, xBeam, yBottom);                           // the normal
}

void drawBeam(double alphaDeg, Plotter& plot)
{
    // Each ray is traced back from its boundary point against the light; their lower ends
    // lie on the beam's wavefront. The short stroke points along the reflected light.
    for (int i = 0; i <= beamWidth; ++i) {
        const double a = toRadians(alphaDeg);
        const double rayLength = std::sin(a) * i + 500;
        plot.line(xBeam, yBoundary, xBeam + 500 * std::cos(a) * std::sin(a),
                  yBoundary + 500 * std::cos(a) * std::cos(a));
        plot.line(xBeam + i, yBoundary, xBeam + i - rayLength * std::sin(a), yBoundary + rayLength * std::cos(a));
    }
}

void drawReflectedEdges(double alphaDeg, Plotter& plot)
{
    const double a = toRadians(alphaDeg);
    const double rayLength = std::sin(a) + 500;
    plot.width(2);
    for (const int x : {xBeam, xBeam + beamWidth})
        plot.line(x, yBoundary, x + 3 * rayLength * std::sin(a), yBoundary + 3 * rayLength * std::cos(a), white);
}

} // namespace

double drawScene(const RunSettings& settings, Plotter& plot)
{
    plot.scaleMode(surface::scaleModeTwips);
    paintBackground(plot);
    drawApparatus(settings, plot);
    const double sinRay = std::sin(toRadians(settings.alphaDeg)) * settings.refIndex;
    drawBeam(settings.alphaDeg, plot);
    drawReflectedEdges(settings.alphaDeg, plot);
    return sinRay;
}

} // namespace sim
