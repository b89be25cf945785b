#include "window/handout/Statement.h"

#include "window/form/Choices.h"
#include "window/form/Design.h"
#include "window/form/RoundedNumber.h"
#include "window/handout/Light.h"
#include "window/handout/Words.h"

#include <cmath>
#include <vector>

namespace window {
namespace {

using light::Detector;
using light::Finding;
using light::Region;
using light::Source;
using light::Verdict;

constexpr const char* context = "Statement";

// The first sentences: the medium and the typed angle, the direction the run made of it, the
// angle of incidence against the critical angle, then what the boundary does with the light.
std::vector<std::string> caseSentences(const light::Light& light, const sim::RunSettings& s, const Words& words)
{
    const light::Angles& a = light.angles;
    const Substance* substance = substanceWithIndex(s.refIndex);
    const std::string medium =
        substance ? words.design(findControl(substance->option)->text)
                  : words(QT_TRANSLATE_NOOP("Statement", "A medium of refractive index %1"), {words.typed(s.refIndex)});
    const std::string back = words(substance ? substance->backInto : QT_TRANSLATE_NOOP("Statement", "into the medium"));
    // The run turns degrees into radians with 3.14 for pi: a typed number far from the normal's
    // range comes to a direction of its own, which is said.
    const bool sameDirection = words.signedAngle(a.typed) == words.signedAngle(a.incidence);
    const std::string head =
        sameDirection ? words(QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees"), {medium, words.typed(a.typed)})
                      : words(QT_TRANSLATE_NOOP("Statement", "%1 at %2 degrees, the same direction as %3 degrees"),
                              {medium, words.typed(a.typed), words.signedAngle(a.incidence)});
    const std::string incidence = words.angle(a.incidence);
    const std::string critical = a.critical ? words.angle(*a.critical) : std::string();
    const std::string reflection = a.reflection ? words.angle(*a.reflection) : std::string();
    const std::string refraction = a.refraction ? words.angle(*a.refraction) : std::string();
    const char* const partLeaves = QT_TRANSLATE_NOOP("Statement", "Part of the light is reflected back %1 at %2 "
                                                                  "degrees, and part is refracted into the air at %3 "
                                                                  "degrees, as Snell's law gives.");
    switch (light.verdict) {
    case Verdict::Refracts:
        return {words(QT_TRANSLATE_NOOP("Statement", "%1: the angle of incidence, %2 degrees, is less than the "
                                                     "critical angle of about %3 degrees."),
                      {head, incidence, critical}),
                words(partLeaves, {back, reflection, refraction})};
    case Verdict::Critical:
        return {words(QT_TRANSLATE_NOOP("Statement", "%1: the angle of incidence, %2 degrees, is the critical angle."),
                      {head, incidence}),
                words(QT_TRANSLATE_NOOP("Statement", "The refracted light runs along the boundary, at 90 degrees, "
                                                     "and the rest is reflected back %1 at %2 degrees."),
                      {back, reflection})};
    case Verdict::Total:
    case Verdict::AlmostTotal: {
        const std::string greater = words(QT_TRANSLATE_NOOP("Statement", "%1: the angle of incidence, %2 degrees, is "
                                                                         "greater than the critical angle of about %3 "
                                                                         "degrees."),
                                          {head, incidence, critical});
        if (light.verdict == Verdict::Total)
            return {greater, words(QT_TRANSLATE_NOOP("Statement", "All the light is reflected back %1 at %2 degrees, "
                                                                  "and none leaves into the air: this is total "
                                                                  "internal reflection."),
                                   {back, reflection})};
        return {greater, words(QT_TRANSLATE_NOOP("Statement", "Almost all the light is reflected back %1 at %2 "
                                                              "degrees: the beam is narrow, so its directions spread "
                                                              "a little, and the little light whose direction is less "
                                                              "than the critical angle leaves into the air."),
                               {back, reflection})};
    }
    case Verdict::NoCritical:
        return {words(QT_TRANSLATE_NOOP("Statement", "%1: the angle of incidence is %2 degrees, and with an index "
                                                     "less than the air's there is no critical angle."),
                      {head, incidence}),
                words(partLeaves, {back, reflection, refraction})};
    case Verdict::NoBoundary:
        return {words(QT_TRANSLATE_NOOP("Statement", "%1: the angle of incidence is %2 degrees, and with the air's own "
                                                     "index there is no boundary: the light goes straight on at %2 "
                                                     "degrees, and nothing is reflected."),
                      {head, incidence})};
    case Verdict::NoMedium:
        return {words(QT_TRANSLATE_NOOP("Statement", "%1: no medium has a refractive index of zero or less, so no law "
                                                     "says where its light goes; the paths are summed all the same."),
                      {head})};
    }
    return {};
}

// Which case the drawing shows, where it is not the one the light is in.
std::optional<std::string> drawingSentence(const light::Light& light, const sim::RunSettings& s, const Words& words)
{
    if (!s.incidence)
        return words(
            QT_TRANSLATE_NOOP("Statement", "The settings name no case: the paths are summed, but no case is drawn."));
    std::optional<sim::Incidence> light_case;
    switch (light.verdict) {
    case Verdict::Refracts:
    case Verdict::NoCritical:
    case Verdict::NoBoundary:
        light_case = sim::Incidence::Below;
        break;
    case Verdict::Critical:
        light_case = sim::Incidence::Critical;
        break;
    case Verdict::Total:
    case Verdict::AlmostTotal:
        light_case = sim::Incidence::Beyond;
        break;
    case Verdict::NoMedium:
        break;
    }
    if (light_case == s.incidence)
        return std::nullopt;
    switch (*s.incidence) {
    case sim::Incidence::Below:
        return words(QT_TRANSLATE_NOOP("Statement",
                                       "The drawing follows the option chosen and shows the case of an angle less "
                                       "than the critical angle."));
    case sim::Incidence::Critical:
        return words(QT_TRANSLATE_NOOP("Statement",
                                       "The drawing follows the option chosen and shows the case at the critical "
                                       "angle."));
    case sim::Incidence::Beyond:
        return words(QT_TRANSLATE_NOOP("Statement",
                                       "The drawing follows the option chosen and shows the case of an angle greater "
                                       "than the critical angle."));
    }
    return std::nullopt;
}

// Where along its track a detector found light, in words the picture shows.
std::string where(Detector detector, const Finding& f, const Words& words)
{
    if (detector == Detector::V)
        return words(f.region == Region::Air ? QT_TRANSLATE_NOOP("Statement", "above the boundary")
                                             : QT_TRANSLATE_NOOP("Statement", "below the boundary"));
    switch (f.side) {
    case light::Side::Right:
        return words(QT_TRANSLATE_NOOP("Statement", "right of the normal"));
    case light::Side::Left:
        return words(QT_TRANSLATE_NOOP("Statement", "left of the normal"));
    case light::Side::Both:
        return words(QT_TRANSLATE_NOOP("Statement", "on both sides of the normal"));
    }
    return {};
}

// One kind of light a detector found, as the object of "finds".
std::string foundClause(Detector detector, const Finding& f, const Words& words)
{
    const std::string at = where(detector, f, words);
    const std::string measured = f.measured ? words.angle(*f.measured) : std::string();
    const std::string law = f.law ? words.angle(*f.law) : std::string();
    // A real beam's words: part of it, with the angle its positions give beside the law's, or
    // without one.
    struct BeamWords {
        const char* partly;
        const char* measured;
        const char* plain;
    };
    static constexpr BeamWords refracted{
        QT_TRANSLATE_NOOP("Statement", "part of the refracted light %1; the rest meets its line beyond the stretch it "
                                       "measures"),
        QT_TRANSLATE_NOOP("Statement", "the refracted light %1, which left the boundary at about %2 degrees (Snell's "
                                       "law gives %3)"),
        QT_TRANSLATE_NOOP("Statement", "the refracted light %1")};
    static constexpr BeamWords reflected{
        QT_TRANSLATE_NOOP("Statement", "part of the reflected light %1; the rest meets its line beyond the stretch it "
                                       "measures"),
        QT_TRANSLATE_NOOP("Statement", "the reflected light %1, which left the boundary at about %2 degrees (the law "
                                       "of reflection gives %3)"),
        QT_TRANSLATE_NOOP("Statement", "the reflected light %1")};
    switch (f.source) {
    case Source::Refracted:
    case Source::Reflected: {
        const BeamWords& beam = f.source == Source::Refracted ? refracted : reflected;
        if (f.partly)
            return words(beam.partly, {at});
        if (f.measured && f.law)
            return words(beam.measured, {at, measured, law});
        return words(beam.plain, {at});
    }
    case Source::SecondBeam:
        return words(QT_TRANSLATE_NOOP("Statement", "light %1 from a second beam, which the paths send because they "
                                                    "lie more than half a wavelength apart, not from the boundary"),
                     {at});
    case Source::Spread:
        if (f.measured)
            return words(QT_TRANSLATE_NOOP("Statement", "light %1 that the narrow beam spreads, which left the "
                                                        "boundary at about %2 degrees"),
                         {at, measured});
        return words(QT_TRANSLATE_NOOP("Statement", "light %1 that the narrow beam spreads"), {at});
    case Source::NoBoundary:
        return words(QT_TRANSLATE_NOOP("Statement", "light %1 only because the paths are summed as if a boundary "
                                                    "reflected it; with no boundary, none is reflected"),
                     {at});
    case Source::Unnamed:
        if (f.measured)
            return words(QT_TRANSLATE_NOOP("Statement", "light %1, which left the boundary at about %2 degrees"),
                         {at, measured});
        return words(QT_TRANSLATE_NOOP("Statement", "light %1"), {at});
    }
    return {};
}

// A real beam the detector's line meets beyond its track, or never.
std::string missedClause(const light::Missed& m, const Words& words)
{
    using Way = light::Missed::Way;
    if (m.source == Source::Refracted) {
        switch (m.way) {
        case Way::Beyond:
            return words(QT_TRANSLATE_NOOP("Statement", "the refracted light meets its line beyond the stretch it "
                                                        "measures"));
        case Way::OtherWay:
            return words(QT_TRANSLATE_NOOP("Statement", "the refracted light goes the other way"));
        case Way::Along:
            return words(QT_TRANSLATE_NOOP("Statement", "the refracted light runs along the boundary and never "
                                                        "meets its line"));
        }
    }
    if (m.way == Way::Beyond)
        return words(
            QT_TRANSLATE_NOOP("Statement", "the reflected light meets its line beyond the stretch it measures"));
    return words(QT_TRANSLATE_NOOP("Statement", "the reflected light goes the other way"));
}

std::string detectorSentence(const light::DetectorLight& d, const Words& words)
{
    const char* const name = d.detector == Detector::V ? "V" : d.detector == Detector::H ? "H" : "S";
    std::string missed;
    for (const light::Missed& m : d.missed)
        missed = missed.empty() ? missedClause(m, words)
                                : words(QT_TRANSLATE_NOOP("Statement", "%1; %2"), {missed, missedClause(m, words)});
    if (!d.lit) {
        if (missed.empty())
            return words(QT_TRANSLATE_NOOP("Statement", "No light reaches Detector %1."), {name});
        return words(QT_TRANSLATE_NOOP("Statement", "No light reaches Detector %1: %2."), {name, missed});
    }
    std::string found;
    for (const Finding& f : d.findings)
        found = found.empty()
                    ? foundClause(d.detector, f, words)
                    : words(QT_TRANSLATE_NOOP("Statement", "%1, and %2"), {found, foundClause(d.detector, f, words)});
    if (!missed.empty())
        found = words(QT_TRANSLATE_NOOP("Statement", "%1; %2"), {found, missed});
    // The case that drew the picture may give a detector's bars no length (Detector H's beyond
    // the critical angle): what its readings find is then not in the picture.
    if (!d.barsDrawn)
        found = words(QT_TRANSLATE_NOOP("Statement", "%1; the drawing gives its bars no length in this case"), {found});
    if (d.detector == Detector::V)
        return words(QT_TRANSLATE_NOOP("Statement", "Detector V, moving down, finds %1."), {found});
    return words(QT_TRANSLATE_NOOP("Statement", "Detector %1 finds %2."), {name, found});
}

} // namespace

std::string statement(const Measured& measured, const NumberText& numbers, const Translate& translate)
{
    const Words words(context, numbers, translate);
    const sim::RunSettings& s = measured.settings;
    const light::Light light = light::lightOf(measured);
    std::vector<std::string> sentences = caseSentences(light, s, words);
    if (const std::optional<std::string> drawing = drawingSentence(light, s, words))
        sentences.push_back(*drawing);
    for (const light::DetectorLight& d : light.detectors)
        sentences.push_back(detectorSentence(d, words));
    if (!measured.whole)
        sentences.push_back(words(QT_TRANSLATE_NOOP("Statement", "The run was stopped after %1 of its %2 steps."),
                                  {words.whole(double(measured.readings.size())), words.whole(double(s.steps))}));

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
