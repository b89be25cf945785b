#include "window/form/NumberText.h"

#include "window/form/PointNumber.h"
#include "window/form/Utf8.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace window {
namespace {

using utf8::codePointAt;

bool blank(char32_t c)
{
    return utf8::isBlank(c);
}

std::string_view trimmed(std::string_view text)
{
    std::size_t from = 0;
    while (from < text.size()) {
        const auto [c, length] = codePointAt(text, from);
        if (!blank(c))
            break;
        from += length;
    }
    std::size_t to = text.size();
    while (to > from) {
        std::size_t start = to - 1;
        while (start > from && (static_cast<unsigned char>(text[start]) & 0xC0u) == 0x80u)
            --start;
        if (!blank(codePointAt(text, start).first))
            break;
        to = start;
    }
    return text.substr(from, to - from);
}

// What a cell's number keeps: as many digits as a double holds exactly.
constexpr int significantDigits = 15;

// The minus sign as typeset, U+2212, read as a hyphen-minus.
constexpr std::string_view minusSign = "\u2212";

// A sign at `at`, as + or -, moving `at` past it; nothing where there is none.
char signAt(std::string_view text, std::size_t& at)
{
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        return text[at++];
    if (text.substr(at, minusSign.size()) == minusSign) {
        at += minusSign.size();
        return '-';
    }
    return 0;
}

std::size_t digitsAt(std::string_view text, std::size_t& at, std::string& out)
{
    const std::size_t from = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        out += text[at++];
    return at - from;
}

// The text in the C form, "-1.5e3", if it is one number and nothing else.
std::optional<std::string> cForm(std::string_view text, std::string_view separator)
{
    std::string out;
    std::size_t at = 0;
    if (const char sign = signAt(text, at))
        out += sign;
    std::size_t digits = digitsAt(text, at, out);
    for (const std::string_view mark : {std::string_view("."), separator}) {
        if (!mark.empty() && text.substr(at, mark.size()) == mark) {
            at += mark.size();
            out += '.';
            digits += digitsAt(text, at, out);
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        out += text[at++];
        if (const char sign = signAt(text, at))
            out += sign;
        if (digitsAt(text, at, out) == 0)
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;
    return out;
}

// The C library's conversions follow the process's numeric locale, which a front end may have
// set from the user's: its decimal point stands in for the C form's.
std::string processPoint()
{
    const char* point = std::localeconv()->decimal_point;
    return point && *point ? point : ".";
}

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    if (const std::size_t at = text.find(from); at != std::string::npos && from != to)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

NumberText::NumberText(std::string decimalSeparator)
    : separator_(decimalSeparator.empty() ? "." : std::move(decimalSeparator))
{
}

std::string NumberText::text(double value) const
{
    return replaced(pointText(value, significantDigits), ".", separator_);
}

std::optional<double> NumberText::number(std::string_view text) const
{
    const Converted c = converted(text);
    if (!c.whole || c.beyond)
        return std::nullopt;
    return c.value;
}

bool NumberText::beyondDoubles(std::string_view text) const
{
    const Converted c = converted(text);
    return c.whole && c.beyond;
}

NumberText::Converted NumberText::converted(std::string_view text) const
{
    const std::optional<std::string> c = cForm(trimmed(text), separator_);
    if (!c)
        return {};
    const std::string local = replaced(*c, ".", processPoint());
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(local.c_str(), &end);
    // Beyond the doubles, or so small that nothing of it is left.
    const bool beyond = !std::isfinite(value) || (errno == ERANGE && value == 0);
    return {end == local.c_str() + local.size(), beyond, value};
}

bool blankText(std::string_view text)
{
    return trimmed(text).empty();
}

std::string wholeNumberText(int value)
{
    return std::to_string(value);
}

} // namespace window
