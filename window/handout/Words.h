#pragma once

#include "window/form/NumberText.h"
#include "window/form/RoundedNumber.h"
#include "window/form/Translate.h"

#include <cmath>
#include <initializer_list>
#include <string>

// What a run hands out in words, in the window's language and with its numbers: a sentence
// looked up in its context and filled, an angle as a student reads it.
namespace window {

// The typed angle as the cells' fixed texts have it (48.783); angles the run worked out to one
// decimal.
inline constexpr int typedDecimals = 3;
inline constexpr int angleDecimals = 1;

class Words {
public:
    Words(const char* context, const NumberText& numbers, const Translate& translate)
        : context_(context)
        , numbers_(numbers)
        , translate_(translate)
    {
    }
    std::string operator()(const char* text) const { return translated(translate_, context_, text); }
    std::string operator()(const char* text, std::initializer_list<std::string> arguments) const
    {
        return fill((*this)(text), arguments);
    }
    std::string design(const char* text) const { return translated(translate_, designContext, text); }
    // An angle from the normal as a student reads it: its size, to one decimal.
    std::string angle(double degrees) const { return roundedText(std::abs(degrees), angleDecimals, numbers_); }
    std::string signedAngle(double degrees) const { return roundedText(degrees, angleDecimals, numbers_); }
    std::string typed(double value) const { return roundedText(value, typedDecimals, numbers_); }
    std::string whole(double value) const { return roundedText(value, 0, numbers_); }
    std::string decimals(double value, int places) const { return roundedText(value, places, numbers_); }

private:
    const char* context_;
    const NumberText& numbers_;
    const Translate& translate_;
};

} // namespace window
