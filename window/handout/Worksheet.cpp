#include "window/handout/Worksheet.h"

#include "sim/Scene.h"
#include "window/form/Choices.h"
#include "window/form/Design.h"
#include "window/form/Glossary.h"
#include "window/handout/Light.h"
#include "window/handout/Statement.h"
#include "window/handout/Words.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace window {
namespace {

using light::Detector;
using light::Finding;
using light::Region;
using light::Source;
using light::Verdict;

constexpr const char* context = "Worksheet";
constexpr double degrees = 180 / std::numbers::pi;
// A ratio a student works out on the way, such as a tangent or a sine: to three decimals.
constexpr int ratioDecimals = 3;
// The least angle of incidence, in degrees, from which a student works out the index.
constexpr double leastIncidenceForIndex = 10;

const char* detectorName(Detector d)
{
    switch (d) {
    case Detector::V:
        return QT_TRANSLATE_NOOP("Worksheet", "Detector V");
    case Detector::H:
        return QT_TRANSLATE_NOOP("Worksheet", "Detector H");
    case Detector::S:
        return QT_TRANSLATE_NOOP("Worksheet", "Detector S");
    }
    return "";
}

const Finding* findingOf(const light::Light& light, Detector detector, Source source)
{
    for (const Finding& f : light.detectors[std::size_t(detector)].findings)
        if (f.source == source)
            return &f;
    return nullptr;
}

// A stretch of light on Detector H's or S's line, read by the student: the angle its centre
// gives from the middle of the lit stretch, worked from the whole numbers the sheet shows.
struct Reading {
    int centre{};
    int middle{};
    double depth{};
    double tangent{};
    double angle{};
};

Reading readingAt(const Finding& f, double depth)
{
    Reading r;
    r.centre = int(std::lround(f.centre));
    r.middle = int(std::lround(light::litStretch().middle));
    r.depth = depth;
    r.tangent = (r.centre - r.middle) / depth;
    r.angle = std::atan(r.tangent) * degrees;
    return r;
}

class Sheet {
public:
    Sheet(const Measured& measured, const NumberText& numbers, const Translate& translate)
        : measured_(measured)
        , s_(measured.settings)
        , light_(light::lightOf(measured))
        , words_(context, numbers, translate)
    {
    }

    Worksheet make(const NumberText& numbers, const Translate& translate)
    {
        Worksheet w;
        w.title = words_(QT_TRANSLATE_NOOP("Worksheet", "Total reflection: a worksheet"));
        w.nameLine = words_(QT_TRANSLATE_NOOP("Worksheet", "Name: ____________________   Class: ________   "
                                                           "Date: ____________"));
        w.settingsTitle = words_(QT_TRANSLATE_NOOP("Worksheet", "The run"));
        w.settings = settings();
        w.pictureCaption = words_(QT_TRANSLATE_NOOP("Worksheet", "The light comes up through the %1 from below "
                                                                 "and meets the boundary on its lit stretch; the "
                                                                 "detectors sum the paths along their lines."),
                                  {mediumWord()});
        w.measuredTitle = words_(QT_TRANSLATE_NOOP("Worksheet", "What the detectors measured"));
        w.measured = table();
        w.positionsNote = words_(QT_TRANSLATE_NOOP("Worksheet", "Positions are in the drawing's units (twips, 1440 to "
                                                                "an inch): x from the drawing's left edge; for "
                                                                "Detector V, the height above the boundary (below it "
                                                                "where negative). The centre is where the light is "
                                                                "brightest on average."));
        w.questionsTitle = words_(QT_TRANSLATE_NOOP("Worksheet", "Questions"));
        w.keyTitle = words_(QT_TRANSLATE_NOOP("Worksheet", "Answer key"));
        questions();
        w.questions = std::move(questions_);
        w.answers = std::move(answers_);
        w.resultTitle = words_(QT_TRANSLATE_NOOP("Worksheet", "What the program says about this run"));
        w.result = statement(measured_, numbers, translate);
        return w;
    }

private:
    const light::Angles& angles() const { return light_.angles; }

    std::string mediumName() const
    {
        const Substance* substance = substanceWithIndex(s_.refIndex);
        return substance ? words_.design(findControl(substance->option)->text)
                         : words_(QT_TRANSLATE_NOOP("Worksheet", "a medium of refractive index %1"),
                                  {words_.typed(s_.refIndex)});
    }
    // The medium as the object of a sentence: "the water", "the medium".
    std::string mediumWord() const
    {
        const Substance* substance = substanceWithIndex(s_.refIndex);
        return words_(substance ? substance->named : QT_TRANSLATE_NOOP("Worksheet", "medium"));
    }

    std::vector<std::string> settings() const
    {
        const light::Stretch lit = light::litStretch();
        std::vector<std::string> lines{
            words_(QT_TRANSLATE_NOOP("Worksheet", "Medium: %1, refractive index %2 (the air's is 1)"),
                   {mediumName(), words_.typed(s_.refIndex)}),
            words_.signedAngle(angles().typed) == words_.signedAngle(angles().incidence)
                ? words_(QT_TRANSLATE_NOOP("Worksheet", "Angle of incidence: %1 degrees from the normal"),
                         {words_.angle(angles().incidence)})
                : words_(QT_TRANSLATE_NOOP("Worksheet", "Angle of incidence: %1 degrees from the normal (typed as "
                                                        "%2, the same direction)"),
                         {words_.angle(angles().incidence), words_.typed(angles().typed)}),
            words_(QT_TRANSLATE_NOOP("Worksheet", "The lit stretch of the boundary: from x = %1 to x = %2, its middle "
                                                  "at x = %3"),
                   {words_.whole(lit.from), words_.whole(lit.to), words_.whole(lit.middle)}),
            words_(QT_TRANSLATE_NOOP("Worksheet", "Detector H's line: %1 units above the boundary, in the air"),
                   {words_.whole(s_.distanceH)}),
            words_(QT_TRANSLATE_NOOP("Worksheet", "Detector S's line: %1 units below the boundary, in the %2"),
                   {words_.whole(sim::depthS), mediumWord()}),
            words_(QT_TRANSLATE_NOOP("Worksheet", "Detector V's line: upright at x = %1, across the boundary"),
                   {words_.whole(sim::xDetectorV)}),
        };
        return lines;
    }

    WorksheetTable table() const
    {
        WorksheetTable t;
        t.header = {words_(QT_TRANSLATE_NOOP("Worksheet", "Detector")), words_(QT_TRANSLATE_NOOP("Worksheet", "Where")),
                    words_(QT_TRANSLATE_NOOP("Worksheet", "Light from")), words_(QT_TRANSLATE_NOOP("Worksheet", "to")),
                    words_(QT_TRANSLATE_NOOP("Worksheet", "Centre"))};
        for (const light::DetectorLight& d : light_.detectors) {
            const std::string name = words_(detectorName(d.detector));
            if (d.findings.empty()) {
                t.rows.push_back({name, words_(QT_TRANSLATE_NOOP("Worksheet", "no light")), "", "", ""});
                continue;
            }
            for (const Finding& f : d.findings) {
                const bool up = d.detector == Detector::V;
                // Detector V's positions as heights above the boundary, from its top end down.
                const auto at = [&](double p) { return words_.whole(up ? sim::yBoundary - p : p); };
                const std::string where = f.region == Region::Air
                                              ? words_(QT_TRANSLATE_NOOP("Worksheet", "in the air"))
                                              : words_(QT_TRANSLATE_NOOP("Worksheet", "in the %1"), {mediumWord()});
                t.rows.push_back({name, where, at(up ? f.to : f.from), at(up ? f.from : f.to), at(f.centre)});
            }
        }
        return t;
    }

    void ask(std::string question, std::string answer)
    {
        questions_.push_back(std::move(question));
        answers_.push_back(std::move(answer));
    }

    // Where a detector's light left from, read from its positions, beside the law's angle.
    void readAngle(const Finding& f, Detector detector, const char* lawWords)
    {
        const bool h = detector == Detector::H;
        const Reading r = readingAt(f, h ? s_.distanceH : sim::depthS);
        const std::string question =
            h ? words_(QT_TRANSLATE_NOOP("Worksheet", "Detector H found light from x = %1 to x = %2, centred at x = "
                                                      "%3, on its line %4 units above the boundary. The light left "
                                                      "the middle of the lit stretch, x = %5. At what angle from the "
                                                      "normal did it leave the boundary?"),
                       {words_.whole(f.from), words_.whole(f.to), words_.whole(r.centre), words_.whole(r.depth),
                        words_.whole(r.middle)})
              : words_(QT_TRANSLATE_NOOP("Worksheet", "Detector S found reflected light from x = %1 to x = %2, "
                                                      "centred at x = %3, on its line %4 units below the boundary. "
                                                      "At what angle from the normal was the light reflected? Check "
                                                      "the law of reflection."),
                       {words_.whole(f.from), words_.whole(f.to), words_.whole(r.centre), words_.whole(r.depth)});
        ask(question, words_(QT_TRANSLATE_NOOP("Worksheet", "tan \u03B8 = (%1 \u2212 %2) \u00F7 %3 = %4, so \u03B8 "
                                                            "\u2248 %5 degrees. %6"),
                             {words_.whole(r.centre), words_.whole(r.middle), words_.whole(r.depth),
                              words_.decimals(r.tangent, ratioDecimals), words_.angle(r.angle),
                              words_(lawWords, {words_.angle(f.law.value_or(0))})}));
        if (h)
            measuredRefraction_ = std::abs(r.angle);
    }

    // Where the law sends a beam from the middle of the lit stretch onto Detector H's or S's line,
    // where the run's detector did not measure it whole.
    void predict(Detector detector, double lawAngle)
    {
        const bool h = detector == Detector::H;
        const double depth = h ? s_.distanceH : sim::depthS;
        const double middle = std::lround(light::litStretch().middle);
        const double x = middle + depth * std::tan(std::abs(lawAngle) / degrees);
        const std::string question =
            h ? words_(QT_TRANSLATE_NOOP("Worksheet", "Snell's law gives the angle of refraction. Where does the "
                                                      "refracted light from x = %1 meet Detector H's line, %2 units "
                                                      "above the boundary?"),
                       {words_.whole(middle), words_.whole(depth)})
              : words_(QT_TRANSLATE_NOOP("Worksheet", "The law of reflection gives the angle of reflection. Where "
                                                      "does the reflected light from x = %1 meet Detector S's line, "
                                                      "%2 units below the boundary?"),
                       {words_.whole(middle), words_.whole(depth)});
        const std::string seen = light_.detectors[std::size_t(detector)].lit
                                     ? words_(QT_TRANSLATE_NOOP("Worksheet", "The detector's light is not all on the "
                                                                             "stretch it measures, so the table "
                                                                             "gives only part of it."))
                                     : words_(QT_TRANSLATE_NOOP("Worksheet", "That is beyond the stretch the detector "
                                                                             "measures, which is why the table has no "
                                                                             "light for it there."));
        ask(question,
            words_(QT_TRANSLATE_NOOP("Worksheet", "x = %1 + %2 \u00D7 tan %3 \u2248 %4. %5"),
                   {words_.whole(middle), words_.whole(depth), words_.angle(lawAngle), words_.whole(x), seen}));
    }

    void criticalAngle()
    {
        const light::Angles& a = angles();
        const char* compared = light_.verdict == Verdict::Refracts
                                   ? QT_TRANSLATE_NOOP("Worksheet", "The angle of incidence, %1 degrees, is less than "
                                                                    "the critical angle: part of the light leaves "
                                                                    "into the air.")
                               : light_.verdict == Verdict::Critical
                                   ? QT_TRANSLATE_NOOP("Worksheet", "The angle of incidence, %1 degrees, is the "
                                                                    "critical angle.")
                                   : QT_TRANSLATE_NOOP("Worksheet", "The angle of incidence, %1 degrees, is greater "
                                                                    "than the critical angle: no refracted light "
                                                                    "leaves into the air.");
        ask(words_(QT_TRANSLATE_NOOP("Worksheet", "What is the critical angle of the %1, whose refractive index is "
                                                  "%2? Compare it with the angle of incidence."),
                   {mediumWord(), words_.typed(s_.refIndex)}),
            words_(QT_TRANSLATE_NOOP("Worksheet", "sin c = 1 \u00F7 %1 = %2, so c \u2248 %3 degrees. %4"),
                   {words_.typed(s_.refIndex), words_.decimals(1 / s_.refIndex, ratioDecimals),
                    words_.angle(*a.critical), words_(compared, {words_.angle(a.incidence)})}));
    }

    void snellIndex()
    {
        const light::Angles& a = angles();
        // Worked from the angles as the sheet shows them, to a tenth of a degree; near the normal
        // a tenth is too much of the angle for an index to be read from it, and the law is asked.
        const auto shown = [](double angle) { return std::round(std::abs(angle) * 10) / 10; };
        const double sineIn = std::sin(shown(a.incidence) / degrees);
        if (measuredRefraction_ && shown(a.incidence) >= leastIncidenceForIndex) {
            const double n = std::sin(shown(*measuredRefraction_) / degrees) / sineIn;
            ask(words_(QT_TRANSLATE_NOOP("Worksheet", "Snell's law says n \u00D7 sin(angle of incidence) = 1 \u00D7 "
                                                      "sin(angle of refraction). Work out the refractive index of the "
                                                      "%1 from the angle of incidence and your answer to question 1."),
                       {mediumWord()}),
                words_(QT_TRANSLATE_NOOP("Worksheet", "n = sin %1 \u00F7 sin %2 \u2248 %3. The run's index is %4."),
                       {words_.angle(*measuredRefraction_), words_.angle(a.incidence),
                        words_.decimals(n, ratioDecimals), words_.typed(s_.refIndex)}));
            return;
        }
        refractionByLaw();
    }

    void refractionByLaw()
    {
        const light::Angles& a = angles();
        const double sine = s_.refIndex * std::sin(std::abs(a.incidence) / degrees);
        const std::string product = words_.decimals(sine, ratioDecimals);
        const std::string question = words_(QT_TRANSLATE_NOOP("Worksheet", "Snell's law says n \u00D7 sin(angle of "
                                                                           "incidence) = 1 \u00D7 sin(angle of "
                                                                           "refraction). What angle of refraction "
                                                                           "does it give?"));
        if (a.refraction && std::abs(*a.refraction) < 90)
            ask(question,
                words_(QT_TRANSLATE_NOOP("Worksheet", "sin r = %1 \u00D7 sin %2 \u2248 %3, so r \u2248 %4 "
                                                      "degrees."),
                       {words_.typed(s_.refIndex), words_.angle(a.incidence), product, words_.angle(*a.refraction)}));
        else if (a.refraction)
            ask(question, words_(QT_TRANSLATE_NOOP("Worksheet", "sin r = %1 \u00D7 sin %2 \u2248 1, so r = 90 degrees: "
                                                                "the refracted light runs along the boundary."),
                                 {words_.typed(s_.refIndex), words_.angle(a.incidence)}));
        else
            ask(question, words_(QT_TRANSLATE_NOOP("Worksheet", "sin r = %1 \u00D7 sin %2 \u2248 %3, which is more "
                                                                "than 1. No angle has such a sine: no light is "
                                                                "refracted into the air."),
                                 {words_.typed(s_.refIndex), words_.angle(a.incidence), product}));
    }

    void reflection()
    {
        const light::Angles& a = angles();
        const Finding* f = findingOf(light_, Detector::S, Source::Reflected);
        if (f && f->measured && a.reflection)
            readAngle(*f, Detector::S,
                      QT_TRANSLATE_NOOP("Worksheet", "The law of reflection gives %1 degrees, the "
                                                     "angle of incidence."));
        else if (a.reflection)
            predict(Detector::S, *a.reflection);
    }

    void detectorH()
    {
        const light::DetectorLight& h = light_.detectors[std::size_t(Detector::H)];
        const bool dark = !h.lit;
        const char* question = dark ? QT_TRANSLATE_NOOP("Worksheet", "Why does Detector H find no light?")
                                    : QT_TRANSLATE_NOOP("Worksheet", "Why does Detector H find so little light, "
                                                                     "and no refracted beam?");
        const char* answer =
            light_.verdict == Verdict::Critical
                ? (dark ? QT_TRANSLATE_NOOP("Worksheet", "At the critical angle the refracted light runs along the "
                                                         "boundary and never rises to Detector H's line.")
                        : QT_TRANSLATE_NOOP("Worksheet", "At the critical angle the refracted light runs along the "
                                                         "boundary; the little light Detector H finds is light the "
                                                         "narrow beam spreads."))
                : (dark ? QT_TRANSLATE_NOOP("Worksheet", "Beyond the critical angle all the light is reflected back "
                                                         "into the medium: this is total internal reflection, and "
                                                         "none leaves into the air.")
                        : QT_TRANSLATE_NOOP("Worksheet", "Beyond the critical angle almost all the light is reflected "
                                                         "back into the medium; the narrow beam's directions spread a "
                                                         "little, and the little light whose direction is less than "
                                                         "the critical angle reaches Detector H."));
        ask(words_(question), words_(answer));
    }

    void whereTheLightGoes()
    {
        const light::Angles& a = angles();
        ask(words_(QT_TRANSLATE_NOOP("Worksheet", "Where does the light go at this angle of incidence, and at what "
                                                  "angle?")),
            light_.verdict == Verdict::Critical
                ? words_(QT_TRANSLATE_NOOP("Worksheet", "The refracted light runs along the boundary at 90 degrees, "
                                                        "and the rest is reflected back into the %1 at %2 degrees."),
                         {mediumWord(), words_.angle(*a.reflection)})
                : words_(QT_TRANSLATE_NOOP("Worksheet", "It is reflected back into the %1 at %2 degrees from the "
                                                        "normal, the angle of incidence."),
                         {mediumWord(), words_.angle(*a.reflection)}));
    }

    void greaterAngle()
    {
        ask(words_(QT_TRANSLATE_NOOP("Worksheet", "What would happen to the light if the angle of incidence were "
                                                  "greater than the critical angle?")),
            words_(QT_TRANSLATE_NOOP("Worksheet", "Snell's law would give a sine of the angle of refraction greater "
                                                  "than 1: no light would leave into the air, and all of it would "
                                                  "be reflected back into the %1. This is total internal "
                                                  "reflection."),
                   {mediumWord()}));
    }

    // The cases where the medium's index is not above the air's: what the laws say there.
    void noCriticalAngle()
    {
        const char* answer =
            light_.verdict == Verdict::NoCritical
                ? QT_TRANSLATE_NOOP("Worksheet", "None: light passing into the air goes into a larger index, so "
                                                 "Snell's law gives an angle of refraction less than the angle of "
                                                 "incidence, and some light always leaves.")
            : light_.verdict == Verdict::NoBoundary
                ? QT_TRANSLATE_NOOP("Worksheet", "None: with the air's own index there is no boundary, and the "
                                                 "light goes straight on.")
                : QT_TRANSLATE_NOOP("Worksheet", "None: no medium has a refractive index of zero or less, so no "
                                                 "law says where its light goes.");
        ask(words_(QT_TRANSLATE_NOOP("Worksheet", "Does the %1 have a critical angle? Why?"), {mediumWord()}),
            words_(answer));
    }

    void questions()
    {
        const light::Angles& a = angles();
        const Finding* refracted = findingOf(light_, Detector::H, Source::Refracted);
        switch (light_.verdict) {
        case Verdict::Refracts:
        case Verdict::NoCritical:
        case Verdict::NoBoundary:
            if (refracted && refracted->measured)
                readAngle(*refracted, Detector::H, QT_TRANSLATE_NOOP("Worksheet", "Snell's law gives %1 degrees."));
            else if (a.refraction)
                predict(Detector::H, *a.refraction);
            snellIndex();
            reflection();
            if (light_.verdict == Verdict::Refracts) {
                criticalAngle();
                greaterAngle();
            } else {
                noCriticalAngle();
            }
            if (light_.verdict == Verdict::NoBoundary)
                ask(words_(QT_TRANSLATE_NOOP("Worksheet", "Is any light reflected? Use Detector S's row.")),
                    words_(QT_TRANSLATE_NOOP("Worksheet", "No: where the indices are the same there is no boundary "
                                                          "to reflect it, and the light goes straight on.")));
            break;
        case Verdict::Critical:
        case Verdict::Total:
        case Verdict::AlmostTotal:
            criticalAngle();
            refractionByLaw();
            detectorH();
            reflection();
            whereTheLightGoes();
            break;
        case Verdict::NoMedium:
            noCriticalAngle();
            refractionByLaw();
            ask(words_(QT_TRANSLATE_NOOP("Worksheet", "Which detectors found light? Use the table.")),
                words_(QT_TRANSLATE_NOOP("Worksheet", "The table lists them; the paths are summed all the same, but "
                                                      "no law of a real medium names that light.")));
            ask(words_(QT_TRANSLATE_NOOP("Worksheet", "Which refractive index would make this a run of water, and "
                                                      "which of glass?")),
                words_(QT_TRANSLATE_NOOP("Worksheet", "Water's is %1 and glass's %2."),
                       {words_.typed(substanceChosenBy(name::opVoda).index),
                        words_.typed(substanceChosenBy(name::opSklo).index)}));
            break;
        }
    }

    const Measured& measured_;
    const sim::RunSettings& s_;
    light::Light light_;
    Words words_;
    std::vector<std::string> questions_;
    std::vector<std::string> answers_;
    std::optional<double> measuredRefraction_;
};

} // namespace

Worksheet worksheet(const Measured& measured, const NumberText& numbers, const Translate& translate)
{
    return Sheet(measured, numbers, translate).make(numbers, translate);
}

} // namespace window
