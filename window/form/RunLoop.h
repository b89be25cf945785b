#pragma once

#include "sim/Run.h"
#include "sim/RunSettings.h"
#include "surface/Surface.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace window {

// How long each frame of a run draws before the front end shows it: a frame of a 60 Hz screen
// then still has the time to be shown.
inline constexpr std::chrono::milliseconds frameBudget{8};

// What the last run measured, whole or stopped part of the way: its settings, the scales its case
// drew the bars with, and each step's readings.
struct Measured {
    sim::RunSettings settings;
    sim::CaseParameters parameters;
    std::vector<sim::Reading> readings;
    bool whole{};
};

// A run taken a frame at a time, on the front end's own event loop: each frame does what fits in
// the frame budget, the run's set-up (the scene, the case) included in its first, and a pause
// that outlasts a frame goes on in the next. Between frames the front end shows the picture and
// handles what the user does.
class RunLoop {
public:
    using Clock = sim::Run::Clock;

    bool running() const { return settings_ || run_; }
    // A run to begin at the next frame; a run under way is not interrupted.
    void begin(const sim::RunSettings& settings, surface::Surface& drawing);
    // One frame of the run; whether the run goes on after it.
    bool frame(Clock::duration budget = frameBudget);
    // Ends the run where it is.
    void stop();
    // The last run's measurements, once it has ended or been stopped; nothing before any.
    const std::optional<Measured>& measured() const { return measured_; }

private:
    void keepMeasured(bool whole);

    std::optional<sim::RunSettings> settings_;
    surface::Surface* drawing_{};
    std::unique_ptr<sim::Run> run_;
    std::optional<Measured> measured_;
};

} // namespace window
