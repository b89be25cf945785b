#pragma once

#include "window/form/NumberText.h"
#include "window/form/RunLoop.h"
#include "window/form/Translate.h"
#include "window/formats/FileFormat.h"

#include <string>

// What a run measured as a spreadsheet that opens with its numbers as numbers in any language:
// an Office Open XML workbook (.xlsx).
namespace window {

// The workbook's bytes. Its first sheet holds the readings under the columns' names, every
// reading a number cell at full precision; its second the run, in the user's language: its
// settings as the window names them, the program and its version, the result in words and where
// the positions are measured from. Before any run, the columns' names alone.
std::string workbook(const std::optional<Measured>& measured, const NumberText& numbers,
                     const Translate& translate = {});

// The readings as a file of that format: a workbook, or comma-separated values.
std::string readingsFile(Format format, const std::optional<Measured>& measured, const NumberText& numbers,
                         const Translate& translate = {});

} // namespace window
