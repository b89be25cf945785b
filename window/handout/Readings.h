#pragma once

#include "window/form/NumberText.h"
#include "window/form/RunLoop.h"
#include "window/form/Translate.h"

#include <optional>
#include <span>
#include <string>

// What a run measured, handed out: as a table for a spreadsheet, and in words. The columns are
// the step, then for each detector where it stood (Detector V's y, Detectors H's and S's x, in
// twips) and its reading, the squared length of the resultant of its arrows, before a bar's
// scale.
namespace window {

// A column of the readings: its name in a table's header row, and its number at a step.
struct ReadingColumn {
    const char* name;
    double (*value)(const sim::Reading& reading);
};
// In the order every table of the readings has them.
std::span<const ReadingColumn> readingColumns();

// Comma-separated, a header row of the columns' names above a row a step, numbers with a decimal
// point and ten significant digits: what a file holds, read the same in every language.
std::string readingsCsv(const std::optional<Measured>& measured);
// Tab-separated, numbers as the window writes them in the user's language (1,33 in Czech), so
// that a paste into a spreadsheet in that language gives numbers.
std::string readingsTable(const std::optional<Measured>& measured, const NumberText& numbers);

} // namespace window
