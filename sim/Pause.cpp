#include "sim/Pause.h"

#include <algorithm>

namespace sim {
namespace {

// Above 2^53 a double no longer changes when 1 is subtracted, and the count would never run
// down; so large a count is the longest pause a double can count exactly.
constexpr double longestCount = 9007199254740992.0;

// The clock is read once in so many subtractions: some tens of microseconds of counting.
constexpr int subtractionsPerClockReading = 4096;

} // namespace

Countdown::Countdown(double count)
    : start_(std::min(count, longestCount))
    , left_(start_)
{
}

bool Countdown::runUntil(Clock::time_point deadline)
{
    // volatile: the loop is the pause, and the compiler must not remove it.
    volatile double left = left_;
    while (left > 0) {
        for (int i = 0; i < subtractionsPerClockReading && left > 0; ++i)
            left = left - 1;
        if (left > 0 && Clock::now() >= deadline)
            break;
    }
    left_ = left;
    return done();
}

double countdown(double count)
{
    Countdown pause(count);
    pause.runUntil(Countdown::Clock::time_point::max());
    return pause.subtractions();
}

} // namespace sim
