#pragma once

#include <chrono>

namespace sim {

// The pacing of a run: a busy countdown by ones, testing before each subtraction, so a
// count of N makes N subtractions. It stops at 0 or below, so a negative count or one that
// is not whole ends too; NaN makes no subtraction at all.
//
// A long pause may be spread over the front end's frames: it counts until a deadline, and the
// next call goes on where it stopped. The subtractions are the same however it is spread.
class Countdown {
public:
    using Clock = std::chrono::steady_clock;

    explicit Countdown(double count);

    bool done() const { return !(left_ > 0); }
    // Counts down until done or until the deadline has passed; whether it is done.
    bool runUntil(Clock::time_point deadline);
    // How many subtractions it has made so far.
    double subtractions() const { return start_ > left_ ? start_ - left_ : 0; }

private:
    double start_;
    double left_;
};

// A whole pause at once; returns how many subtractions it made.
double countdown(double count);

} // namespace sim
