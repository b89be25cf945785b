#pragma once

#include "sim/SweepSteps.h"

#include <array>
#include <optional>

namespace sim {

// The incident angle a run is drawn for: below the critical angle, at it, or beyond it, where
// the light is totally reflected.
enum class Incidence { Below, Critical, Beyond };

// Detector H's track above the boundary: near it, at the middle height or far above it. The
// scales of the bars are chosen for these three heights.
enum class Track { Near, Middle, Far };
inline constexpr int trackCount = 3;

// What a run needs of a medium beyond its index: how long its refracted rays are drawn, and the
// scales that keep the bars of its patterns within the picture.
struct Medium {
    double refractedNear{};                       // the refracted ray from the first lit point
    double refractedFar{};                        // and from the last, below the critical angle
    double scaleVBelow{};                         // Detector V's bars below the critical angle
    std::array<double, trackCount> scaleHBelow{}; // Detector H's, by its track
    double scaleSCritical{};                      // Detector S's at the critical angle
};

// The window's settings as one run reads them: the case the cells name, and the numbers they
// hold. A case that the cells do not name is left empty, and the run draws what it can without it.
struct RunSettings {
    std::optional<Incidence> incidence; // none: no case is drawn
    const Medium* medium{};             // none: no refracted or reflected ray, first scales
    std::optional<Track> track;         // none: the bars keep their first scales
    double refIndex{};                  // n of the medium
    double alphaDeg{};                  // incident angle, degrees from the normal
    double distanceH{};                 // Detector H's height above the boundary
    double slowdown{};                  // countdown at the end of each step
    int steps{sweepSteps};              // the whole sweep; only tests run fewer
};

} // namespace sim
