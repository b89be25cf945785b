#pragma once

#include "sim/Pause.h"
#include "sim/Plotter.h"
#include "sim/RunSettings.h"
#include "sim/Sweep.h"
#include "surface/RecordingSurface.h"
#include "surface/Surface.h"

#include <optional>

namespace sim {

// One press of Start, taken as far as a front end's frame allows: the scene and the incidence
// case are drawn first, then each step of the sweep is summed, drawn and followed by its pause.
// Any of them goes on in the next frame where a frame ends: the scene's many lines (costly at a
// high resolution) a share at a time, and a pause that outlasts the frame where it stopped.
class Run {
public:
    using Clock = Countdown::Clock;

    Run(const RunSettings& settings, surface::Surface& surface);

    bool done() const { return setUpDrawn_ == setUp_.calls.size() && !pause_ && sweep_.done(); }
    // Steps until the run is done or the deadline has passed; whether the run goes on.
    bool advance(Clock::time_point deadline);
    // How many subtractions its pauses have made so far.
    double paused() const { return paused_; }
    const RunSettings& settings() const { return settings_; }
    // The scales its bars are drawn with, which its case chose.
    const CaseParameters& parameters() const { return sweep_.parameters(); }
    // What its detectors have measured so far, a step at a time.
    const std::vector<Reading>& readings() const { return sweep_.readings(); }

private:
    RunSettings settings_;
    // The scene and the case, worked out at once (the case decides the sweep's parameters) and
    // drawn onto the surface in the first frames.
    surface::RecordingSurface setUp_;
    std::size_t setUpDrawn_{};
    surface::Surface& surface_;
    Plotter plot_;
    Sweep sweep_;
    std::optional<Countdown> pause_;
    double paused_{};
};

// One press of Start at once: the scene, the incidence case, then the sweep, drawn onto
// `surface`. Returns how many subtractions the pauses of its steps made.
double run(const RunSettings& settings, surface::Surface& surface);

} // namespace sim
