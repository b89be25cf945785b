#include "window/form/RoundedNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace window {
namespace {

// NumberText writes up to 15 significant digits without an exponent; beyond, the digits are
// written here.
constexpr double largestWithoutExponent = 1e15;
// A rounded value that is not zero is at least 1e-4, which NumberText writes without an exponent.
constexpr int mostDecimals = 4;

} // namespace

std::string roundedText(double value, int decimals, const NumberText& numbers)
{
    if (!std::isfinite(value))
        return numbers.text(value);
    const double scale = std::pow(10.0, std::clamp(decimals, 0, mostDecimals));
    double rounded = std::abs(value) < largestWithoutExponent ? std::round(value * scale) / scale : std::round(value);
    if (rounded == 0)
        rounded = 0; // -0 too
    if (std::abs(rounded) < largestWithoutExponent)
        return numbers.text(rounded);
    char digits[320];
    std::snprintf(digits, sizeof digits, "%.0f", rounded);
    return digits;
}

} // namespace window
