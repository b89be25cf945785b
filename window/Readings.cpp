#include "window/Readings.h"

#include "sim/Scene.h"
#include "window/Choices.h"
#include "window/Design.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace window {
namespace {

constexpr const char* context = "Statement";

// Where a detector's light falls: its light counts where its reading is above this share of
// its largest.
constexpr double litShare = 0.1;

struct Column {
    const char* name;
    std::function<double(const sim::Reading&)> value;
};

const Column columns[] = {
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
    for (const Column& c : columns)
        out += std::string(&c == columns ? "" : std::string(1, separator)) + c.name;
    out += '\n';
    if (!measured)
        return out;
    for (const sim::Reading& r : measured->readings) {
        for (const Column& c : columns)
            out += (&c == columns ? "" : std::string(1, separator)) + number(c.value(r));
        out += '\n';
    }
    return out;
}

// The stretch of a detector's track its light falls on, and where it is brightest: positions
// and readings step by step.
struct Lit {
    int from{};
    int to{};
    int brightest{};
};

std::optional<Lit> litStretch(const std::vector<sim::Reading>& readings, int sim::Reading::*position,
                              double sim::Reading::*reading)
{
    const auto brightest = std::max_element(readings.begin(), readings.end(),
                                            [&](const auto& a, const auto& b) { return a.*reading < b.*reading; });
    if (brightest == readings.end() || !((*brightest).*reading > 0))
        return std::nullopt;
    const double threshold = litShare * (*brightest).*reading;
    const auto lit = [&](const sim::Reading& r) { return r.*reading > threshold; };
    const auto first = std::find_if(readings.begin(), readings.end(), lit);
    const auto last = std::find_if(readings.rbegin(), readings.rend(), lit);
    return Lit{(*first).*position, (*last).*position, (*brightest).*position};
}

} // namespace

std::string readingsCsv(const std::optional<Measured>& measured)
{
    return table(measured, ',', [](double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", value);
        return std::string(text);
    });
}

std::string readingsTable(const std::optional<Measured>& measured, const NumberText& numbers)
{
    return table(measured, '\t', [&numbers](double value) { return numbers.text(value); });
}

std::string statement(const Measured& measured, const NumberText& numbers, const Translate& translate)
{
    const auto words = [&translate](const char* text) { return translated(translate, context, text); };
    const auto whole = [&numbers](double twips) { return numbers.text(std::round(twips)); };
    const sim::RunSettings& s = measured.settings;
    const Substance* substance = nullptr;
    for (const Substance& each : substances()) {
        if (&each.medium == s.medium)
            substance = &each;
    }
    const std::string medium = substance ? translated(translate, designContext, findControl(substance->option)->text)
                                         : words(QT_TRANSLATE_NOOP("Statement", "The medium"));
    const std::string back = words(substance ? substance->backInto : QT_TRANSLATE_NOOP("Statement", "into the medium"));
    const std::string angle = numbers.text(s.alphaDeg);

    std::vector<std::string> sentences;
    if (s.incidence == sim::Incidence::Below)
        sentences.push_back(
            fill(words(QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees, below the critical angle: part of the light "
                                                      "is refracted into the air, and part is reflected back %3.")),
                 {medium, angle, back}));
    else if (s.incidence == sim::Incidence::Critical)
        sentences.push_back(
            fill(words(QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees, the critical angle: the refracted light runs "
                                                      "along the boundary, and the rest is reflected back %3.")),
                 {medium, angle, back}));
    else if (s.incidence == sim::Incidence::Beyond)
        sentences.push_back(
            fill(words(QT_TRANSLATE_NOOP("Statement",
                                         "%1 at %2 degrees, beyond the critical angle: all the light is reflected back "
                                         "%3, and none leaves into the air. This is total reflection.")),
                 {medium, angle, back}));
    else
        sentences.push_back(words(
            QT_TRANSLATE_NOOP("Statement", "The settings name no case: the paths are summed, but no case is drawn.")));

    // Positions as a teacher points at them: above or below the boundary, right or left of the
    // normal where the light meets the boundary; a stretch on one side given as one.
    struct Side {
        const char* onePositive;
        const char* oneNegative;
        const char* zero;
        const char* zeroEnd; // as the end of a stretch
        const char* manyPositive;
        const char* manyNegative;
    };
    const Side heights{QT_TRANSLATE_NOOP("Statement", "%1 twips above the boundary"),
                       QT_TRANSLATE_NOOP("Statement", "%1 twips below the boundary"),
                       QT_TRANSLATE_NOOP("Statement", "at the boundary"),
                       QT_TRANSLATE_NOOP("Statement", "the boundary"),
                       QT_TRANSLATE_NOOP("Statement", "%1 to %2 twips above the boundary"),
                       QT_TRANSLATE_NOOP("Statement", "%1 to %2 twips below the boundary")};
    const Side across{QT_TRANSLATE_NOOP("Statement", "%1 twips right of the normal"),
                      QT_TRANSLATE_NOOP("Statement", "%1 twips left of the normal"),
                      QT_TRANSLATE_NOOP("Statement", "at the normal"),
                      QT_TRANSLATE_NOOP("Statement", "the normal"),
                      QT_TRANSLATE_NOOP("Statement", "%1 to %2 twips right of the normal"),
                      QT_TRANSLATE_NOOP("Statement", "%1 to %2 twips left of the normal")};
    const auto one = [&](const Side& side, int offset, bool end = false) {
        return offset == 0 ? words(end ? side.zeroEnd : side.zero)
                           : fill(words(offset > 0 ? side.onePositive : side.oneNegative), {whole(std::abs(offset))});
    };
    const auto stretch = [&](const Side& side, int from, int to) {
        if ((from > 0 && to > 0) || (from < 0 && to < 0))
            return fill(words(from > 0 ? side.manyPositive : side.manyNegative),
                        {whole(std::abs(from)), whole(std::abs(to))});
        return fill(words(QT_TRANSLATE_NOOP("Statement", "from %1 to %2")),
                    {one(side, from, true), one(side, to, true)});
    };
    const auto height = [](int y) { return sim::yBoundary - y; };
    const auto right = [](int x) { return x - sim::xBeam; };
    const auto none = [&](const char* detector) {
        return fill(words(QT_TRANSLATE_NOOP("Statement", "No light reaches Detector %1.")), {detector});
    };
    const std::vector<sim::Reading>& r = measured.readings;
    if (const auto v = litStretch(r, &sim::Reading::yV, &sim::Reading::readingV))
        sentences.push_back(
            fill(words(QT_TRANSLATE_NOOP("Statement", "Detector V, moving down, finds light %1, brightest %2.")),
                 {stretch(heights, height(v->from), height(v->to)), one(heights, height(v->brightest))}));
    else
        sentences.push_back(none("V"));
    const auto h =
        measured.parameters.scaleH > 0 ? litStretch(r, &sim::Reading::xH, &sim::Reading::readingH) : std::nullopt;
    if (h)
        sentences.push_back(fill(
            words(QT_TRANSLATE_NOOP("Statement",
                                    "Detector H, %1 twips above the boundary, finds light %2, brightest %3.")),
            {whole(s.distanceH), stretch(across, right(h->from), right(h->to)), one(across, right(h->brightest))}));
    else
        sentences.push_back(none("H"));
    if (const auto st = litStretch(r, &sim::Reading::xS, &sim::Reading::readingS))
        sentences.push_back(fill(
            words(QT_TRANSLATE_NOOP(
                "Statement", "Detector S, %1 twips below the boundary, finds the reflected light %2, brightest %3.")),
            {whole(sim::depthS), stretch(across, right(st->from), right(st->to)), one(across, right(st->brightest))}));
    else
        sentences.push_back(none("S"));
    if (!measured.whole)
        sentences.push_back(fill(words(QT_TRANSLATE_NOOP("Statement", "The run was stopped after %1 of its %2 steps.")),
                                 {numbers.text(double(r.size())), numbers.text(double(s.steps))}));

    std::string text;
    for (const std::string& sentence : sentences)
        text += (text.empty() ? "" : " ") + sentence;
    return text;
}

std::string paceText(int position, const NumberText& numbers, const Translate& translate)
{
    const auto words = [&translate](const char* text) { return translated(translate, "Pace", text); };
    if (position <= 0)
        return words(QT_TRANSLATE_NOOP("Pace", "fastest"));
    if (position >= scrollMaximum)
        return words(QT_TRANSLATE_NOOP("Pace", "slowest"));
    return fill(words(QT_TRANSLATE_NOOP("Pace", "%1 percent of the way to the slowest")),
                {numbers.text(std::round(100.0 * position / scrollMaximum))});
}

} // namespace window
