#include "window/Readings.h"

#include "sim/Scene.h"
#include "window/Choices.h"
#include "window/Design.h"
#include "window/RoundedNumber.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace window {
namespace {

constexpr const char* context = "Statement";

// Where a detector's light falls: its light counts where its reading is above this share of
// its largest.
constexpr double litShare = 0.1;

// Decimals of the typed numbers, as the cells' fixed texts have them (48.783), and of a critical
// angle worked out from the index.
constexpr int typedDecimals = 3;
constexpr int criticalDecimals = 1;
// An angle this close to the critical angle is at it: the fixed texts 48.783 and 41.839 lie
// within 0.03 degrees of the arcsines of 1/1.33 and 1/1.5.
constexpr double atCriticalDegrees = 0.05;
// An index that is a substance's own, as its option writes it.
constexpr double sameIndex = 1e-9;

// The critical angle of light leaving a medium of that index into the air, in degrees; none
// where the index is not above the air's, and no light is ever totally reflected.
std::optional<double> criticalAngleOf(double index)
{
    if (!(index > 1))
        return std::nullopt;
    return std::asin(1 / index) * 180 / std::numbers::pi;
}

// The light meets the boundary at the acute angle its direction makes with the normal: the
// paths' phases follow the angle's sine alone, so -60 and 120 degrees are 60 degrees.
double fromTheNormal(double degrees)
{
    const double turned = std::fmod(std::abs(degrees), 180.0);
    return turned > 90 ? 180 - turned : turned;
}

// Where the light is at the typed angle against the critical angle of the index the run read,
// whatever case the drawing follows. With no critical angle the light always leaves into the
// air, as below one.
struct AtTheTypedAngle {
    std::optional<double> critical;
    sim::Incidence incidence{sim::Incidence::Below};
};

AtTheTypedAngle atTheTypedAngle(const sim::RunSettings& s)
{
    const std::optional<double> critical = criticalAngleOf(s.refIndex);
    if (!critical)
        return {};
    const double angle = fromTheNormal(s.alphaDeg);
    if (std::abs(angle - *critical) <= atCriticalDegrees)
        return {critical, sim::Incidence::Critical};
    return {critical, angle < *critical ? sim::Incidence::Below : sim::Incidence::Beyond};
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

// One of three words, by case.
const char* ofCase(sim::Incidence incidence, const char* below, const char* critical, const char* beyond)
{
    switch (incidence) {
    case sim::Incidence::Below:
        return below;
    case sim::Incidence::Critical:
        return critical;
    case sim::Incidence::Beyond:
        return beyond;
    }
    return below;
}

const Substance* substanceOf(const sim::RunSettings& s)
{
    for (const Substance& each : substances()) {
        if (&each.medium == s.medium)
            return &each;
    }
    return nullptr;
}

// The sentences on the case: the case that ran where the typed angle agrees with it; otherwise
// what the light does at the typed angle, then the case the drawing shows.
std::vector<std::string> caseSentences(const sim::RunSettings& s, const AtTheTypedAngle& light,
                                       const NumberText& numbers, const Translate& translate)
{
    const auto words = [&translate](const char* text) { return translated(translate, context, text); };
    const Substance* substance = substanceOf(s);
    const std::string angle = roundedText(s.alphaDeg, typedDecimals, numbers);
    if (light.critical && s.incidence == light.incidence) {
        const std::string medium = substance
                                       ? translated(translate, designContext, findControl(substance->option)->text)
                                       : words(QT_TRANSLATE_NOOP("Statement", "The medium"));
        const std::string back =
            words(substance ? substance->backInto : QT_TRANSLATE_NOOP("Statement", "into the medium"));
        const char* agreeing = ofCase(
            *s.incidence,
            QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees, below the critical angle: part of the light is refracted "
                                           "into the air, and part is reflected back %3."),
            QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees, the critical angle: the refracted light runs along the "
                                           "boundary, and the rest is reflected back %3."),
            QT_TRANSLATE_NOOP("Statement",
                              "%1 at %2 degrees, beyond the critical angle: all the light is reflected back %3, and "
                              "none leaves into the air. This is total reflection."));
        return {fill(words(agreeing), {medium, angle, back})};
    }

    // The substance by name only where the run read its own index.
    const bool ownIndex = substance && std::abs(s.refIndex - substance->index) <= sameIndex;
    const std::string medium = ownIndex ? translated(translate, designContext, findControl(substance->option)->text)
                                        : fill(words(QT_TRANSLATE_NOOP("Statement", "A medium of index %1")),
                                               {roundedText(s.refIndex, typedDecimals, numbers)});
    const std::string back = words(ownIndex ? substance->backInto : QT_TRANSLATE_NOOP("Statement", "into the medium"));
    std::vector<std::string> sentences;
    if (light.critical) {
        const char* atTheAngle = ofCase(
            light.incidence,
            QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees is below its critical angle of %3 degrees: part of the "
                                           "light is refracted into the air, and part is reflected back %4."),
            QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees is at its critical angle of %3 degrees: the refracted "
                                           "light runs along the boundary, and the rest is reflected back %4."),
            QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees is beyond its critical angle of %3 degrees: all the "
                                           "light is reflected back %4, and none leaves into the air. This is total "
                                           "reflection."));
        sentences.push_back(
            fill(words(atTheAngle), {medium, angle, roundedText(*light.critical, criticalDecimals, numbers), back}));
    } else {
        sentences.push_back(
            fill(words(QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees has no critical angle: its index is not "
                                                      "above the air's, so the light is never totally reflected.")),
                 {medium, angle}));
    }
    if (s.incidence) {
        const char* drawn = ofCase(
            *s.incidence,
            QT_TRANSLATE_NOOP("Statement",
                              "The drawing follows the option chosen and shows the case below the critical angle."),
            QT_TRANSLATE_NOOP("Statement",
                              "The drawing follows the option chosen and shows the case at the critical angle."),
            QT_TRANSLATE_NOOP("Statement",
                              "The drawing follows the option chosen and shows the case beyond the critical angle."));
        sentences.push_back(words(drawn));
    } else {
        sentences.push_back(words(
            QT_TRANSLATE_NOOP("Statement", "The settings name no case: the paths are summed, but no case is drawn.")));
    }
    return sentences;
}

} // namespace

std::string statement(const Measured& measured, const NumberText& numbers, const Translate& translate)
{
    const auto words = [&translate](const char* text) { return translated(translate, context, text); };
    const auto whole = [&numbers](double twips) { return roundedText(twips, 0, numbers); };
    const sim::RunSettings& s = measured.settings;
    const AtTheTypedAngle light = atTheTypedAngle(s);
    std::vector<std::string> sentences = caseSentences(s, light, numbers, translate);

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
    // Beyond the critical angle no light leaves into the air: what Detector H reads then is the
    // faint light bent round the edges of the lit stretch, not light that leaves.
    const auto h = light.incidence != sim::Incidence::Beyond ? litStretch(r, &sim::Reading::xH, &sim::Reading::readingH)
                                                             : std::nullopt;
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
                                 {whole(double(r.size())), whole(double(s.steps))}));

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
