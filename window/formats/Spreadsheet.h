#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

// Sheets of cells as an Office Open XML workbook (.xlsx): the parts a spreadsheet program needs
// to open it, packed in a zip archive. Numbers are written with a decimal point and as many digits
// as they need to read back exactly, so they open as numbers in any language.
namespace window::spreadsheet {

// How a cell looks: plain, a name (bold, at the top of its row) or a value (at the top of its row,
// wrapped within its column).
enum class Look { Plain, Name, Value };

// A cell holds words or a number; a number that is not finite is written as words.
struct Cell {
    std::string text;
    std::optional<double> number;
    Look look{Look::Plain};
};
Cell text(std::string words, Look look = Look::Plain);
Cell number(double value, Look look = Look::Plain);

using Row = std::vector<Cell>;

struct Sheet {
    std::string name;
    std::vector<Row> rows;
    std::vector<int> widths; // of the first columns, in characters
    bool headed{};           // the first row names the columns, and stays in view
};

// The workbook's bytes.
std::string workbook(std::span<const Sheet> sheets);

} // namespace window::spreadsheet
