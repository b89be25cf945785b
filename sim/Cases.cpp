#include "sim/Cases.h"

#include "sim/Scene.h"

#include <cmath>
#include <optional>

namespace sim {
namespace {

struct Scales {
    double v{};
    double h{};
};

// Bar scales by the height of Detector H's track; none for a distance text that matches nothing.
std::optional<Scales> scalesAtCritical(const std::string& distance)
{
    if (distance == "1500")
        return Scales{0.0015, 0.01};
    if (distance == "750")
        return Scales{0.0015, 0.02};
    if (distance == "100")
        return Scales{0.0015, 0.0001};
    return std::nullopt;
}

std::optional<Scales> scalesBelowCritical(bool water, const std::string& distance)
{
    if (distance == "1500")
        return water ? Scales{0.005, 0.01} : Scales{0.003, 0.005};
    if (distance == "750")
        return water ? Scales{0.005, 0.02} : Scales{0.003, 0.01};
    if (distance == "100")
        return water ? Scales{0.005, 0.12} : Scales{0.003, 0.05};
    return std::nullopt;
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
    const bool water = settings.substance == "Voda";
    if (!water && settings.substance != "Sklo")
        return;
    // From here the pair describes the incident angle itself: the reflected ray.
    cosRay = std::cos(toRadians(settings.alphaDeg));
    sinRay = std::sin(toRadians(settings.alphaDeg));
    plot.line(xBeam, yBoundary, xBeam + 1500 * sinRay, yBoundary + 1500 * cosRay, white);
    const std::optional<Scales> scales = scalesAtCritical(settings.distanceText);
    if (!scales)
        return;
    p.scaleV = scales->v;
    p.scaleH = scales->h;
    p.scaleS = water ? 0.0025 : 0.004;
    p.arrowLenS = 5;
}

void belowCritical(const RunSettings& settings, double sinRay, Plotter& plot, CaseParameters& p)
{
    // Beyond the critical angle (an angle or index typed by hand) no light is refracted:
    // there is no ray to draw, and the cosine would not be real.
    const bool refracted = sinRay * sinRay <= 1;
    const double cosRay = refracted ? std::sqrt(1 - sinRay * sinRay) : 0;
    p.arrowLen = 3;
    const bool water = settings.substance == "Voda";
    if (!water && settings.substance != "Sklo")
        return;
    if (refracted) {
        refractedRay(plot, xBeam, water ? 5500 : 4850, sinRay, cosRay);
        refractedRay(plot, xBeam + beamWidth, water ? 4200 : 3700, sinRay, cosRay);
    }
    const std::optional<Scales> scales = scalesBelowCritical(water, settings.distanceText);
    if (!scales)
        return;
    p.scaleV = scales->v;
    p.scaleH = scales->h;
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
    if (settings.alfaCaption == "Mezní")
        criticalAngle(settings, sinRay, plot, p);
    else if (settings.alfaCaption == "35")
        belowCritical(settings, sinRay, plot, p);
    else if (settings.alfaCaption == "60")
        totalReflection(p);
    plot.width(1);
    return p;
}

} // namespace sim
