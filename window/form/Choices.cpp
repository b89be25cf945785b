#include "window/form/Choices.h"

#include "window/form/Glossary.h"
#include "window/form/Translate.h"

#include <cassert>
#include <string>

namespace window {
namespace {

using sim::Incidence;
using sim::Track;

// clang-format off
constexpr Substance substanceTable[] = {
    {"Voda", name::opVoda, name::nVoda, "water", QT_TRANSLATE_NOOP("Statement", "into the water"),
     QT_TRANSLATE_NOOP("Worksheet", "water"), 1.33, 48.783,
     {5500, 4200, 0.005, {0.12, 0.02, 0.01}, 0.0025}},
    {"Sklo", name::opSklo, name::nSklo, "glass", QT_TRANSLATE_NOOP("Statement", "into the glass"),
     QT_TRANSLATE_NOOP("Worksheet", "glass"), 1.5, 41.839,
     {4850, 3700, 0.003, {0.05, 0.01, 0.005}, 0.004}},
};

constexpr Angle angleTable[] = {
    {"35", name::opMenší, Incidence::Below, "35", 35},
    {"Mezní", name::opMezní, Incidence::Critical, "critical", 0},
    {"60", name::opVětší, Incidence::Beyond, "60", 60},
};

constexpr Distance distanceTable[] = {
    {name::opMaláDistance, 100, Track::Near, 4900, 4600},
    {name::opStředníDistance, 750, Track::Middle, 4280, 4400},
    {name::opVelkáDistance, 1500, Track::Far, 3530, 3700},
};

constexpr Pace paceTable[] = {
    {name::opRychlá, "fastest", 1},
    {name::opPomalejší, "slower", 500000},
    {name::opPomalá, "slow", 1000000},
};
// clang-format on

template <class Row, class Key> const Row* find(std::span<const Row> table, Key key)
{
    for (const Row& row : table) {
        if (key(row))
            return &row;
    }
    return nullptr;
}

template <class Row> const Row& chosenBy(std::span<const Row> table, std::string_view option)
{
    const Row* row = find(table, [option](const Row& r) { return option == r.option; });
    assert(row && "no option of that name chooses from this table");
    return row ? *row : table.front();
}

// A file's name from the rows it shows; "other" for what names none.
std::string nameOf(const Substance* m, const Angle* a, const Distance* d)
{
    const std::string other = "other";
    return (m ? m->fileWord : other) + "-" + (a ? a->fileWord : other) + "-" + (d ? std::to_string(d->twips) : other);
}

} // namespace

std::span<const Substance> substances()
{
    return substanceTable;
}

std::span<const Angle> angles()
{
    return angleTable;
}

std::span<const Distance> distances()
{
    return distanceTable;
}

std::span<const Pace> paces()
{
    return paceTable;
}

const Substance& substanceChosenBy(std::string_view option)
{
    return chosenBy(substances(), option);
}

const Angle& angleChosenBy(std::string_view option)
{
    return chosenBy(angles(), option);
}

const Distance& distanceChosenBy(std::string_view option)
{
    return chosenBy(distances(), option);
}

const Pace& paceChosenBy(std::string_view option)
{
    return chosenBy(paces(), option);
}

const Substance* substanceNamed(std::string_view word)
{
    return find(substances(), [word](const Substance& s) { return word == s.word; });
}

const Angle* angleNamed(std::string_view word)
{
    return find(angles(), [word](const Angle& a) { return word == a.word; });
}

const Distance* distanceNamed(std::string_view word)
{
    return find(distances(), [word](const Distance& d) { return word == std::to_string(d.twips); });
}

const Substance& unnamedSubstance()
{
    return substanceTable[std::size(substanceTable) - 1];
}

std::string fileName(std::string_view angle, std::string_view substance, std::string_view distance)
{
    return nameOf(substanceNamed(substance), angleNamed(angle), distanceNamed(distance));
}

const Substance* substanceOf(const sim::RunSettings& run)
{
    return find(substances(), [&run](const Substance& s) { return &s.medium == run.medium; });
}

const Angle* angleOf(const sim::RunSettings& run)
{
    return find(angles(), [&run](const Angle& a) { return a.incidence == run.incidence; });
}

const Distance* distanceOf(const sim::RunSettings& run)
{
    return find(distances(), [&run](const Distance& d) { return d.track == run.track; });
}

const Substance* substanceWithIndex(double index)
{
    return find(substances(), [index](const Substance& s) { return index == s.index; });
}

std::string fileName(const sim::RunSettings& run)
{
    return nameOf(substanceOf(run), angleOf(run), distanceOf(run));
}

sim::RunSettings caseNamed(std::string_view angle, std::string_view substance, std::string_view distance)
{
    sim::RunSettings s;
    if (const Angle* a = angleNamed(angle))
        s.incidence = a->incidence;
    if (const Substance* m = substanceNamed(substance))
        s.medium = &m->medium;
    if (const Distance* d = distanceNamed(distance))
        s.track = d->track;
    return s;
}

} // namespace window
