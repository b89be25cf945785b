#include "sim/Cases.h"

#include "sim/Scene.h"

#include <cmath>

namespace sim {
namespace {

// Detector V's and Detector H's bar scales at the critical angle, by Detector H's track.
constexpr double scaleVCritical = 0.0015;
constexpr std::array<double, trackCount> scaleHCritical{0.0001, 0.02, 0.01};

std::size_t at(Track track)
{
    return std::size_t(track);
}

// A refracted ray of length `length` from the lit point (x0, yBoundary), up into the air.
void refractedRay(Plotter& plot, double x0, double length, double sinRay, double cosRay)
{
    plot.line(x0, yBoundary, x0 + length * sinRay, yBoundary - length * cosRay, white);
}

void criticalAngle(const RunSettings& settings, double sinRay, Plotter& plot, CaseParameters& p)
{
    // The refracted light grazes the boundary.
    double cosRay = 0;
    plot.line(xBeam, yBoundary, xBeam + beamWidth + 3200 * sinRay, yBoundary - 3200 * cosRay, white);
    p.arrowLen = 1;
    if (!settings.medium)
        return;
    // From here the pair describes the incident angle itself: the reflected ray.
    cosRay = std::cos(toRadians(settings.alphaDeg));
    sinRay = std::sin(toRadians(settings.alphaDeg));
    plot.line(xBeam, yBoundary, xBeam + 1500 * sinRay, yBoundary + 1500 * cosRay, white);
    if (!settings.track)
        return;
    p.scaleV = scaleVCritical;
    p.scaleH = scaleHCritical[at(*settings.track)];
    p.scaleS = settings.medium->scaleSCritical;
    p.arrowLenS = 5;
}

void belowCritical(const RunSettings& settings, double sinRay, Plotter& plot, CaseParameters& p)
{
    // Beyond the critical angle (an angle or index typed by hand) no light is refracted:
    // there is no ray to draw, and the cosine would not be real.
    const bool refracted = sinRay * sinRay <= 1;
    const double cosRay = refracted ? std::sqrt(1 - sinRay * sinRay) : 0;
    p.arrowLen = 3;
    const Medium* medium = settings.medium;
    if (!medium)
        return;
    if (refracted) {
        refractedRay(plot, xBeam, medium->refractedNear, sinRay, cosRay);
        refractedRay(plot, xBeam + beamWidth, medium->refractedFar, sinRay, cosRay);
    }
    if (!settings.track)
        return;
    p.scaleV = medium->scaleVBelow;
    p.scaleH = medium->scaleHBelow[at(*settings.track)];
    p.scaleS = 0.004;
    p.arrowLenS = 6;
}

void totalReflection(CaseParameters& p)
{
    // Nothing enters the air: no white line, and Detector H's bars have no length.
    p.scaleV = 0.013;
    p.scaleH = 0;
    p.scaleS = 0.005;
    p.arrowLenS = 3;
    p.arrowLen = 2;
}

} // namespace

CaseParameters drawCase(const RunSettings& settings, double sinRay, Plotter& plot)
{
    CaseParameters p;
    if (settings.incidence == Incidence::Critical)
        criticalAngle(settings, sinRay, plot, p);
    else if (settings.incidence == Incidence::Below)
        belowCritical(settings, sinRay, plot, p);
    else if (settings.incidence == Incidence::Beyond)
        totalReflection(p);
    plot.width(1);
    return p;
}

} // namespace sim
