#include "window/form/PointNumber.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace window {
namespace {

// Enough digits for any double to read back as itself.
constexpr int roundTripDigits = 17;
// Fewer digits write every double with at most this many exactly.
constexpr int fewestExactDigits = 15;

// As the C library writes it, in its locale's separator.
std::string localeText(double value, int significantDigits)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", significantDigits, value);
    return text;
}

} // namespace

std::string pointText(double value, int significantDigits)
{
    const std::string text = localeText(value, significantDigits);
    const std::string_view separator = std::localeconv()->decimal_point;
    const std::size_t at = separator.empty() ? std::string::npos : text.find(separator);
    if (at == std::string::npos)
        return text;
    return text.substr(0, at) + "." + text.substr(at + separator.size());
}

std::string exactPointText(double value)
{
    for (int digits = fewestExactDigits; digits < roundTripDigits; ++digits) {
        if (std::strtod(localeText(value, digits).c_str(), nullptr) == value)
            return pointText(value, digits);
    }
    return pointText(value, roundTripDigits);
}

} // namespace window
