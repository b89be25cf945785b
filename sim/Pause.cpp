#include "sim/Pause.h"

#include <algorithm>

namespace sim {

double countdown(double count)
{
    // Above 2^53 a double no longer changes when 1 is subtracted, and the count would never
    // run down; so large a count is the longest pause a double can count exactly.
    constexpr double longestCount = 9007199254740992.0;
    // volatile: the loop is the pause, and the compiler must not remove it.
    const double start = std::min(count, longestCount);
    volatile double left = start;
    while (left > 0)
        left = left - 1;
    return left < start ? start - left : 0;
}

} // namespace sim
