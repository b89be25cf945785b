#pragma once

#include <string_view>

namespace window {

// What a file the window hands out holds: a picture, the readings as a workbook that opens with
// its numbers as numbers in any spreadsheet and language, or as comma-separated values for scripts,
// or a worksheet to print.
enum class Format { Png, Workbook, Csv, Pdf };

// The extension a file of each format has, without its dot.
constexpr const char* extensionOf(Format format)
{
    switch (format) {
    case Format::Png:
        return "png";
    case Format::Workbook:
        return "xlsx";
    case Format::Pdf:
        return "pdf";
    case Format::Csv:
        break;
    }
    return "csv";
}

// Whether a file's name ends in a format's extension, in capitals or not: "UP.XLSX" is a workbook.
inline bool endsWithExtension(std::string_view file, Format format)
{
    const std::string_view extension = extensionOf(format);
    if (file.size() <= extension.size() + 1 || file[file.size() - extension.size() - 1] != '.')
        return false;
    const std::string_view end = file.substr(file.size() - extension.size());
    for (std::size_t i = 0; i < extension.size(); ++i) {
        const char c = end[i] >= 'A' && end[i] <= 'Z' ? char(end[i] - 'A' + 'a') : end[i];
        if (c != extension[i])
            return false;
    }
    return true;
}

// The readings' format a file's name asks for: a workbook where it ends in ".xlsx", comma-separated
// values otherwise.
inline Format readingsFormatOf(std::string_view file)
{
    return endsWithExtension(file, Format::Workbook) ? Format::Workbook : Format::Csv;
}

} // namespace window
