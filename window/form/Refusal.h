#pragma once

#include "window/form/NumberText.h"
#include "window/form/Translate.h"

#include <optional>
#include <string>
#include <string_view>

namespace window {

// One of the four cells that Start reads as numbers, with the range within which a run draws a
// finite picture.
struct NumberField {
    const char* cell;
    const char* words; // the field in the window's own words
    double example;
    double lowest;
    double highest;
};

// Why Start would not run: the first cell, in the order nIndex, nAlfa, nDistance, nSpomaleni,
// that holds no number, or a number outside its range.
struct Refusal {
    const NumberField* field{};
    std::string typed;
};

const NumberField& numberField(std::string_view cell);
// The number a cell holds if a run can use it; nothing if Start must be refused.
std::optional<double> usableNumber(const NumberField& field, std::string_view text, const NumberText& numbers);

// The field, what was typed, and what would work, in the user's locale and language. It quotes
// what the user typed, so it must be shown as plain text, never read as markup.
std::string refusalMessage(const Refusal& refusal, const NumberText& numbers, const Translate& translate = {});

} // namespace window
