#include "window/form/Refusal.h"

#include "window/form/Choices.h"
#include "window/form/Design.h"
#include "window/form/Glossary.h"
#include "window/form/Utf8.h"

#include <cassert>
#include <cstdio>

namespace window {
namespace {

constexpr const char* context = "Refusal";

// Within these a run's every quantity stays finite: angles and indices far beyond any that make
// sense still draw, while 1e308 degrees times 3.14 would overflow. The slowdown goes up to the
// slowest pace the scroll bar sets.
constexpr double largest = 1e6;
constexpr double slowestPace = slowdownAt(scrollMaximum);

// The examples are what the window starts with: water, its critical angle, the middle distance
// and the fastest pace.
const Substance& water = substances().front();
const NumberField fields[] = {
    {name::nIndex, QT_TRANSLATE_NOOP("Refusal", "Refractive index"), water.index, -largest, largest},
    {name::nAlfa, QT_TRANSLATE_NOOP("Refusal", "Incident angle"), water.criticalAngle, -largest, largest},
    {name::nDistance, QT_TRANSLATE_NOOP("Refusal", "Detector H distance"),
     double(distanceChosenBy(name::opStředníDistance).twips), -largest, largest},
    {name::nSpomaleni, QT_TRANSLATE_NOOP("Refusal", "Slowdown"), slowdownAt(0), -slowestPace, slowestPace},
};

// A quotation longer than this many characters is cut short with an ellipsis: a whole cell's
// text (up to 32767 characters) would leave no message to read.
constexpr std::size_t longestQuotation = 60;

// What was typed, as the message quotes it: whole characters, never a part of one, and what shows
// no ink written as its code point, ⟨U+200B⟩, so that a zero-width space pasted after 1.5 is seen.
std::string quotation(const std::string& typed)
{
    std::string quoted;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < typed.size();) {
        if (characters++ == longestQuotation)
            return quoted + "\u2026";
        const auto [c, length] = utf8::codePointAt(typed, i);
        if (utf8::isInvisible(c)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", unsigned(c));
            quoted += "\u27E8" + std::string(code) + "\u27E9";
        } else {
            quoted += typed.substr(i, length);
        }
        i += length;
    }
    return quoted;
}

} // namespace

const NumberField& numberField(std::string_view cell)
{
    for (const NumberField& f : fields) {
        if (cell == f.cell)
            return f;
    }
    assert(!"no cell of that name holds a number");
    return fields[0];
}

std::optional<double> usableNumber(const NumberField& field, std::string_view text, const NumberText& numbers)
{
    const std::optional<double> number = numbers.number(text);
    if (!number || *number < field.lowest || *number > field.highest || utf8::utf16Length(text) > textBoxLength)
        return std::nullopt;
    return number;
}

std::string refusalMessage(const Refusal& refusal, const NumberText& numbers, const Translate& translate)
{
    const auto inLanguage = [&translate](const char* text) { return translated(translate, context, text); };
    const NumberField& field = *refusal.field;
    const std::string words = inLanguage(field.words);
    const std::string paragraph = "\n\n";
    const std::string example =
        fill(inLanguage(QT_TRANSLATE_NOOP("Refusal", "Type a number such as %1, then press Start again.")),
             {numbers.text(field.example)});
    if (blankText(refusal.typed))
        return fill(inLanguage(QT_TRANSLATE_NOOP("Refusal", "%1: there is no number to run with.")), {words}) +
               paragraph + example;
    if (utf8::utf16Length(refusal.typed) > textBoxLength)
        return fill(inLanguage(QT_TRANSLATE_NOOP("Refusal", "%1: the text is longer than the box holds, %2 "
                                                            "characters.")),
                    {words, wholeNumberText(textBoxLength)}) +
               paragraph + example;
    if (!numbers.number(refusal.typed) && !numbers.beyondDoubles(refusal.typed))
        return fill(inLanguage(QT_TRANSLATE_NOOP("Refusal", "%1: \u201C%2\u201D is not a number.")),
                    {words, quotation(refusal.typed)}) +
               paragraph + example;
    return fill(inLanguage(QT_TRANSLATE_NOOP("Refusal", "%1: \u201C%2\u201D is outside the range a run can draw.")),
                {words, quotation(refusal.typed)}) +
           paragraph +
           fill(inLanguage(QT_TRANSLATE_NOOP("Refusal", "Type a number from %1 to %2, then press Start again.")),
                {numbers.text(field.lowest), numbers.text(field.highest)});
}

} // namespace window
