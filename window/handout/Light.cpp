#include "window/handout/Light.h"

#include "sim/PathFan.h"
#include "sim/Scene.h"
#include "sim/SweepSteps.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace window::light {
namespace {

constexpr double degrees = 180 / std::numbers::pi;
// A wavelength in twips: the phase turns waveNumber radians a twip.
constexpr double wavelength = 2 * std::numbers::pi / sim::waveNumber;
// The paths start a twip apart, so their sum cannot tell a direction whose sine differs by a
// wavelength a twip from another: it sends light both ways.
constexpr double pathSpacing = 1;
constexpr double sineStep = wavelength / pathSpacing;

// An angle this close to the critical angle is at it: the fixed texts 48.783 and 41.839 come,
// with the run's 3.14 for pi, within 0.01 degrees of the arcsines of 1/1.33 and 1/1.5.
constexpr double atCriticalDegrees = 0.05;
// An index this close to 1 is the air's: there is no boundary.
constexpr double sameIndex = 1e-9;
// Light further than this from every beam's direction is light the narrow beam spread.
constexpr double nearABeamDegrees = 20;

// The lit stretch of the boundary, and its middle, from which a stretch of light's positions
// give the direction it left in.
constexpr double litFrom = sim::xBeam;
constexpr double litTo = sim::xBeam + sim::beamWidth;
constexpr double litMiddle = (litFrom + litTo) / 2;
// Where the detectors stand at the sweep's last step, and where Detector S first measures (its
// arrows have no length until V has reached darkS): the stretches the detectors measure.
const sim::SweepStep lastStep = sim::sweepStep(sim::sweepSteps - 1);
const int lastY = lastStep.ySweep;
const int lastX = sim::xLeft + lastStep.xOffset;
const int firstMeasuredS = sim::xLeft + sim::sweepStep((sim::darkS - sim::yTop + sim::stepV - 1) / sim::stepV).xOffset;

double index(const sim::RunSettings& s, Region region)
{
    return region == Region::Air ? 1.0 : s.refIndex;
}

std::vector<Region> regionsOf(Detector detector)
{
    if (detector == Detector::V)
        return {Region::Air, Region::Medium};
    return {detector == Detector::H ? Region::Air : Region::Medium};
}

Region regionOf(Detector detector, int position)
{
    switch (detector) {
    case Detector::V:
        return position <= sim::yBoundary ? Region::Air : Region::Medium;
    case Detector::H:
        return Region::Air;
    case Detector::S:
        return Region::Medium;
    }
    return Region::Air;
}

// How far from the boundary a detector's track runs where it stands; Detector V's track crosses
// the boundary, so there it is how far across it stands from the lit stretch.
struct Track {
    bool across; // V's: along the boundary's normal direction
    double distance;
};

Track trackAt(const sim::RunSettings& s, Detector detector, double position)
{
    switch (detector) {
    case Detector::V:
        return {true, std::abs(position - sim::yBoundary)};
    case Detector::H:
        return {false, s.distanceH};
    case Detector::S:
        return {false, double(sim::depthS)};
    }
    return {false, 0};
}

// The direction, in degrees from the normal, from the boundary point x0 to a detector's place.
double directionTo(const sim::RunSettings& s, Detector detector, double position, double x0)
{
    const Track track = trackAt(s, detector, position);
    if (track.across)
        return std::atan2(sim::xDetectorV - x0, track.distance) * degrees;
    return std::atan2(position - x0, track.distance) * degrees;
}

// A beam that leaves the lit stretch into a region: the real one (order 0), or one the paths'
// spacing sends. Its sine there, or nothing where no such beam can travel.
std::optional<double> beamSine(const sim::RunSettings& s, Region region, double order, bool grazing)
{
    const double n = index(s, region);
    const double sine = (s.refIndex * std::sin(sim::toRadians(s.alphaDeg)) - order * sineStep) / n;
    if (order == 0 && grazing)
        return std::clamp(sine, -1.0, 1.0);
    if (std::abs(sine) > 1)
        return std::nullopt;
    return sine;
}

// The nearest beam to a stretch of directions: its order and how far it lies, in degrees.
struct Nearest {
    std::optional<double> order;
    double away{};
};

Nearest nearestBeam(const sim::RunSettings& s, Region region, double lo, double hi, bool grazing)
{
    Nearest best;
    const auto consider = [&](double order) {
        const std::optional<double> sine = beamSine(s, region, order, grazing);
        if (!sine)
            return;
        const double direction = std::asin(*sine) * degrees;
        const double away = direction < lo ? lo - direction : direction > hi ? direction - hi : 0;
        if (!best.order || away < best.away || (away == best.away && order == 0)) {
            best.order = order;
            best.away = away;
        }
    };
    consider(0);
    // The orders whose sines fall within the stretch's, and one either side.
    const double n = index(s, region);
    const double nSine = s.refIndex * std::sin(sim::toRadians(s.alphaDeg));
    const double first = std::floor((nSine - n * std::sin(hi / degrees)) / sineStep) - 1;
    const double last = std::ceil((nSine - n * std::sin(lo / degrees)) / sineStep) + 1;
    if (last - first > 8) {
        // Many orders pass (a very large index): one within the stretch that is not the real beam.
        const double within = std::ceil(first + 1) == 0 ? 1 : std::ceil(first + 1);
        consider(within);
    } else {
        for (double order = first; order <= last; ++order)
            if (order != 0)
                consider(order);
    }
    return best;
}

// Where a beam leaving the lit point x0 in a direction meets a detector's line: the position
// along the track (V's y, H's and S's x), or nothing where it never does.
std::optional<double> meets(const sim::RunSettings& s, Detector detector, Region region, double sine, double x0)
{
    const double cosine = std::sqrt(std::max(0.0, 1 - sine * sine));
    if (detector == Detector::V) {
        if (!(sine > 0))
            return std::nullopt;
        const double across = (sim::xDetectorV - x0) * cosine / sine;
        return region == Region::Air ? sim::yBoundary - across : sim::yBoundary + across;
    }
    if (cosine == 0)
        return std::nullopt;
    const double depth = detector == Detector::H ? s.distanceH : double(sim::depthS);
    return x0 + depth * sine / cosine;
}

// Whether the whole of a real beam meets the detector's line within its track, and whether any
// of it meets the line at all.
struct Crossing {
    bool whole{};
    bool meetsTheLine{};
};

Crossing crossing(const sim::RunSettings& s, Detector detector, Region region, double sine)
{
    const std::optional<double> a = meets(s, detector, region, sine, litFrom);
    const std::optional<double> b = meets(s, detector, region, sine, litTo);
    if (!a || !b)
        return {};
    const bool alongV = detector == Detector::V;
    const double from = alongV                    ? (region == Region::Air ? sim::yTop : sim::yBoundary)
                        : detector == Detector::S ? firstMeasuredS
                                                  : sim::xLeft;
    const double to = alongV ? (region == Region::Air ? sim::yBoundary : lastY) : lastX;
    const auto within = [&](double p) { return p >= from && p <= to; };
    return {within(*a) && within(*b), true};
}

bool atTheCriticalAngle(const Angles& a)
{
    return a.critical && std::abs(std::abs(a.incidence) - *a.critical) <= atCriticalDegrees;
}

struct Group {
    Region region{};
    Source source{};
    double weight{};
    double weighted{};
    int least{};
    int most{};
    bool touchesAnEnd{};
};

} // namespace

Stretch litStretch()
{
    return {litFrom, litTo, litMiddle};
}

double readingOf(Detector detector, const sim::Reading& r)
{
    return detector == Detector::V ? r.readingV : detector == Detector::H ? r.readingH : r.readingS;
}

int positionOf(Detector detector, const sim::Reading& r)
{
    return detector == Detector::V ? r.yV : detector == Detector::H ? r.xH : r.xS;
}

double openBeam(const Measured& measured, Detector detector, const sim::Reading& r)
{
    const double arrow = detector == Detector::S ? measured.parameters.arrowLenS : measured.parameters.arrowLen;
    const int position = positionOf(detector, r);
    const Track track = trackAt(measured.settings, detector, position);
    // The nearest point of the lit stretch.
    const double along = track.across ? sim::xDetectorV - litTo : std::max({0.0, litFrom - position, position - litTo});
    const double distance = std::hypot(along, track.distance);
    const double n = std::abs(index(measured.settings, regionOf(detector, position)));
    return arrow * arrow * wavelength * distance / (n > 0 ? n : 1);
}

Angles anglesOf(const sim::RunSettings& s)
{
    const double sine = std::sin(sim::toRadians(s.alphaDeg));
    const double n = s.refIndex;
    Angles a;
    a.typed = s.alphaDeg;
    a.incidence = std::asin(sine) * degrees;
    if (!(n > 0))
        return a;
    if (n > 1)
        a.critical = std::asin(1 / n) * degrees;
    if (std::abs(n - 1) > sameIndex)
        a.reflection = a.incidence;
    if (atTheCriticalAngle(a))
        a.refraction = std::copysign(90.0, sine);
    else if (std::abs(n * sine) <= 1)
        a.refraction = std::asin(n * sine) * degrees;
    return a;
}

Light lightOf(const Measured& measured)
{
    const sim::RunSettings& s = measured.settings;
    Light light;
    light.angles = anglesOf(s);
    const Angles& a = light.angles;
    const bool named = s.refIndex > 0;
    const bool critical = atTheCriticalAngle(a);
    const bool beyond = a.critical && !critical && std::abs(a.incidence) > *a.critical;
    if (!named)
        light.verdict = Verdict::NoMedium;
    else if (!a.reflection)
        light.verdict = Verdict::NoBoundary;
    else if (!a.critical)
        light.verdict = Verdict::NoCritical;
    else if (critical)
        light.verdict = Verdict::Critical;
    else
        light.verdict = beyond ? Verdict::Total : Verdict::Refracts;

    const auto sourceOf = [&](Region region, std::optional<double> order) {
        if (!named)
            return Source::Unnamed;
        if (!order)
            return Source::Spread;
        if (*order != 0)
            return Source::SecondBeam;
        if (region == Region::Air)
            return Source::Refracted;
        return a.reflection ? Source::Reflected : Source::NoBoundary;
    };

    for (std::size_t d = 0; d < detectors.size(); ++d) {
        const Detector detector = detectors[d];
        DetectorLight& found = light.detectors[d];
        found.detector = detector;
        const sim::CaseParameters& p = measured.parameters;
        found.barsDrawn = (detector == Detector::V ? p.scaleV : detector == Detector::H ? p.scaleH : p.scaleS) != 0;
        std::vector<Group> groups;
        for (std::size_t k = 0; k < measured.readings.size(); ++k) {
            const sim::Reading& r = measured.readings[k];
            const double reading = readingOf(detector, r);
            const double reference = openBeam(measured, detector, r);
            if (!(reference > 0 && reading >= litShare * reference))
                continue;
            found.lit = true;
            const int position = positionOf(detector, r);
            const Region region = regionOf(detector, position);
            const double lo = directionTo(s, detector, position, litTo);
            const double hi = directionTo(s, detector, position, litFrom);
            std::optional<double> order;
            if (named) {
                const Nearest nearest = nearestBeam(s, region, std::min(lo, hi), std::max(lo, hi), critical);
                // At the critical angle the refracted light grazes the boundary, and all the light
                // in the air is its spread.
                const bool grazing = critical && region == Region::Air && nearest.order == 0.0;
                if (nearest.order && (nearest.away <= nearABeamDegrees || grazing))
                    order = nearest.order;
            }
            const Source source = sourceOf(region, order);
            auto group = std::find_if(groups.begin(), groups.end(),
                                      [&](const Group& g) { return g.region == region && g.source == source; });
            if (group == groups.end())
                group = groups.insert(groups.end(), Group{region, source, 0, 0, position, position, false});
            group->weight += reading;
            group->weighted += reading * position;
            group->least = std::min(group->least, position);
            group->most = std::max(group->most, position);
            group->touchesAnEnd = group->touchesAnEnd || k == 0 || k + 1 == std::size_t(sim::sweepSteps);
        }
        // The real beams first, then the rest, as the words say them.
        std::stable_sort(groups.begin(), groups.end(), [](const Group& x, const Group& y) {
            return std::pair(x.region, x.source) < std::pair(y.region, y.source);
        });
        for (const Group& g : groups) {
            Finding f{g.region, g.source, Side::Both, std::nullopt,         std::nullopt,
                      false,    g.least,  g.most,     g.weighted / g.weight};
            if (detector != Detector::V)
                f.side = g.least >= sim::xBeam ? Side::Right : g.most <= sim::xBeam ? Side::Left : Side::Both;
            const bool real = g.source == Source::Refracted || g.source == Source::Reflected;
            if (real) {
                f.law = g.source == Source::Refracted ? a.refraction : a.reflection;
                const std::optional<double> sine = beamSine(s, g.region, 0, critical);
                f.partly = !sine || !crossing(s, detector, g.region, *sine).whole;
            }
            const bool measurable =
                (real || g.source == Source::Spread || g.source == Source::Unnamed) && !f.partly && !g.touchesAnEnd;
            if (measurable) {
                // The middle of the light on the track came from the middle of the lit stretch.
                f.measured = directionTo(s, detector, f.centre, litMiddle);
            }
            found.findings.push_back(f);
        }
        // The real beams the detector's line meets beyond its track, or never.
        for (const Region region : regionsOf(detector)) {
            const Source source = sourceOf(region, 0.0);
            const std::optional<double> sine = beamSine(s, region, 0, critical);
            if (!named || source == Source::NoBoundary || !sine)
                continue;
            const bool seen = std::any_of(found.findings.begin(), found.findings.end(),
                                          [&](const Finding& f) { return f.source == source; });
            const Crossing c = crossing(s, detector, region, *sine);
            using Way = Missed::Way;
            const Way way = c.meetsTheLine ? Way::Beyond : std::abs(*sine) == 1 ? Way::Along : Way::OtherWay;
            if (!seen && !c.whole)
                found.missed.push_back({source, way});
        }
    }

    if (light.verdict == Verdict::Total) {
        for (const DetectorLight& d : light.detectors)
            for (const Finding& f : d.findings)
                if (f.region == Region::Air && f.source == Source::Spread)
                    light.verdict = Verdict::AlmostTotal;
    }
    return light;
}

} // namespace window::light
