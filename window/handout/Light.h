#pragma once

#include "window/form/RunLoop.h"

#include <array>
#include <optional>
#include <vector>

// What the light did in a run, read from the run's own numbers: the angles its direction and
// index give by the laws of reflection and refraction, and where each detector found light and
// whence it came. Everything the program says about a run in words is decided here, once.
namespace window::light {

// The run's angles in true degrees, from the normal, positive to the right.
struct Angles {
    double typed{};                   // the number in the angle box
    double incidence{};               // the direction the run computed from it, by its sine
    std::optional<double> critical;   // where the index is above the air's
    std::optional<double> refraction; // by Snell's law, where light leaves into the air
    std::optional<double> reflection; // by the law of reflection, where there is a boundary
};

// What the boundary does with the light, by the run's index and direction and, beyond the
// critical angle, by what the detectors in the air found.
enum class Verdict {
    Refracts,    // less than the critical angle: part leaves, part is reflected
    Critical,    // the refracted light runs along the boundary
    Total,       // greater than the critical angle: none leaves
    AlmostTotal, // greater, but the narrow beam's spread lets a little leave
    NoCritical,  // an index less than the air's: part leaves, part is reflected, at any angle
    NoBoundary,  // the air's own index: the light goes straight on
    NoMedium,    // an index of zero or less, which no medium has
};

enum class Region { Air, Medium };

// Where a detector's light comes from.
enum class Source {
    Refracted,  // the refracted beam
    Reflected,  // the reflected beam
    SecondBeam, // the paths lie more than half a wavelength apart, so their sum also sends a
                // beam in a second direction, which is no light the boundary refracts or reflects
    Spread,     // at or past the critical angle: the little light the narrow beam's spread lets out
    NoBoundary, // Detector S with no boundary: the paths' sum is what reflected light would give
    Unnamed,    // an index no medium has: light, with no law to name it
};

// Which side of the normal (for Detectors H and S) a stretch of light lies on.
enum class Side { Right, Left, Both };

// One kind of light a detector found in one region.
struct Finding {
    Region region{};
    Source source{};
    Side side{};
    std::optional<double> measured; // the angle its positions give; none where the beam runs off the track
    std::optional<double> law;      // what the law gives for that beam
    bool partly{};                  // the rest of the beam meets the line beyond the track
    // Where on the track the light lies (V's y, H's and S's x, in the drawing's twips): its ends,
    // and its centre, each position weighted by its reading.
    int from{};
    int to{};
    double centre{};
};

// A real beam whose light a detector did not find because it meets the detector's line beyond
// the track, or never meets it.
struct Missed {
    enum class Way { Beyond, OtherWay, Along };
    Source source{};
    Way way{};
};

enum class Detector { V, H, S };
inline constexpr std::array<Detector, 3> detectors{Detector::V, Detector::H, Detector::S};

struct DetectorLight {
    Detector detector{};
    bool lit{};       // some reading reached the share of the open beam
    bool barsDrawn{}; // the case draws its bars with a length
    std::vector<Finding> findings;
    std::vector<Missed> missed;
};

struct Light {
    Angles angles;
    Verdict verdict{};
    std::array<DetectorLight, 3> detectors;
};

// The lit stretch of the boundary, whence every path starts, in the drawing's twips: its ends
// and its middle, from which the positions of a stretch of light give its direction.
struct Stretch {
    double from{};
    double to{};
    double middle{};
};
Stretch litStretch();

// A detector finds light where its reading reaches this share of what it reads in the open beam.
inline constexpr double litShare = 0.1;

// What a detector at that step reads in the open beam: a beam falling straight onto it, its
// arrows the run's, from the nearest point of the lit stretch. A path sum of arrows of length
// L over a wide beam at distance r gives L² × wavelength × r, divided by the index in a medium;
// a beam falling at a slant gives more.
double openBeam(const Measured& measured, Detector detector, const sim::Reading& reading);

// The reading of a detector at a step, and where it stood (V's y, H's and S's x).
double readingOf(Detector detector, const sim::Reading& reading);
int positionOf(Detector detector, const sim::Reading& reading);

Angles anglesOf(const sim::RunSettings& settings);
Light lightOf(const Measured& measured);

} // namespace window::light
