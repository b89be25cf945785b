#pragma once

namespace sim {

// The pacing of a run: a busy countdown by ones, testing before each subtraction, so a
// count of N makes N subtractions. It stops at 0 or below, so a negative count or one that
// is not whole ends too; NaN makes no subtraction at all. Returns how many subtractions
// were made.
double countdown(double count);

// Pauses at least this long are worth showing the picture before.
inline constexpr double visiblePause = 100000;

} // namespace sim
