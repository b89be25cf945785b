#pragma once

#include <string_view>

namespace window {

// What a file the window hands out holds: a picture, the readings as a workbook that opens with
// its numbers as numbers in any spreadsheet and language, or as comma-separated values for scripts.
enum class Format { Png, Workbook, Csv };

// The readings' format a file's name asks for: a workbook where it ends in ".xlsx", comma-separated
// values otherwise.
inline Format readingsFormatOf(std::string_view file)
{
    constexpr std::string_view workbook = ".xlsx";
    return file.size() > workbook.size() && file.substr(file.size() - workbook.size()) == workbook ? Format::Workbook
                                                                                                   : Format::Csv;
}

} // namespace window
