#include "window/handout/Readings.h"

#include "window/form/PointNumber.h"

#include <functional>

namespace window {
namespace {

// The CSV's significant digits.
constexpr int csvDigits = 10;

const ReadingColumn columns[] = {
    {"step", [](const sim::Reading& r) { return double(r.step); }},
    {"y_V", [](const sim::Reading& r) { return double(r.yV); }},
    {"reading_V", [](const sim::Reading& r) { return r.readingV; }},
    {"x_H", [](const sim::Reading& r) { return double(r.xH); }},
    {"reading_H", [](const sim::Reading& r) { return r.readingH; }},
    {"x_S", [](const sim::Reading& r) { return double(r.xS); }},
    {"reading_S", [](const sim::Reading& r) { return r.readingS; }},
};

std::string table(const std::optional<Measured>& measured, char separator,
                  const std::function<std::string(double)>& number)
{
    std::string out;
    for (const ReadingColumn& c : columns)
        out += std::string(&c == columns ? "" : std::string(1, separator)) + c.name;
    out += '\n';
    if (!measured)
        return out;
    for (const sim::Reading& r : measured->readings) {
        for (const ReadingColumn& c : columns)
            out += (&c == columns ? "" : std::string(1, separator)) + number(c.value(r));
        out += '\n';
    }
    return out;
}

} // namespace

std::span<const ReadingColumn> readingColumns()
{
    return columns;
}

std::string readingsCsv(const std::optional<Measured>& measured)
{
    return table(measured, ',', [](double value) { return pointText(value, csvDigits); });
}

std::string readingsTable(const std::optional<Measured>& measured, const NumberText& numbers)
{
    return table(measured, '\t', [&numbers](double value) { return numbers.text(value); });
}

} // namespace window
