#include "web/SeparatorNumbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace web {
namespace {

// A number in the C form, the whole text and nothing else: no spaces, no group separators, no
// hexadecimal digits, and finite.
std::optional<double> cNumber(const std::string& text)
{
    if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string SeparatorNumbers::text(double value) const
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator_);
    return text;
}

std::optional<double> SeparatorNumbers::number(std::string_view text) const
{
    if (separator_ != "." && text.find('.') == std::string_view::npos) {
        std::string c(text);
        if (const std::size_t at = c.find(separator_); at != std::string::npos)
            c.replace(at, separator_.size(), ".");
        return cNumber(c);
    }
    return cNumber(std::string(text));
}

} // namespace web
