#pragma once

#include "window/NumberText.h"
#include "window/RunLoop.h"
#include "window/Translate.h"

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

// The run's result in a few short sentences in the user's language: the case that ran, and for
// each detector where along its track its light falls (where the reading is above a tenth of its
// largest) and where it is brightest. Made from the readings and the case. The drawing follows the
// option chosen, the light the typed angle: where the typed angle lies on the other side of the
// critical angle of the run's index, both are said, and that angle is named.
std::string statement(const Measured& measured, const NumberText& numbers, const Translate& translate = {});

// The pace the scroll bar sets at a position, in words: from the fastest to the slowest.
std::string paceText(int position, const NumberText& numbers, const Translate& translate = {});

} // namespace window
