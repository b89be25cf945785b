#pragma once

#include "window/form/NumberText.h"
#include "window/form/RunLoop.h"
#include "window/form/Translate.h"

#include <string>
#include <vector>

// A worksheet made of a run, for a class: the run's settings and what its detectors measured,
// questions chosen for the run's case that the sheet alone answers, room to write, and an answer
// key on a page of its own that works each answer from the same numbers, with the law's value
// beside the measured one. Its content only, in the window's language; each front end lays it
// out (a PDF on the desktop, a printed page in the browser) with the run's picture.
namespace window {

struct WorksheetTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

struct Worksheet {
    std::string title;
    std::string nameLine; // where a student writes a name, a class and the date
    std::string settingsTitle;
    std::vector<std::string> settings; // one a line: the medium, the angle, the detectors' lines
    std::string pictureCaption;
    std::string measuredTitle;
    WorksheetTable measured;   // a row for each stretch of light a detector found, or for its darkness
    std::string positionsNote; // how the table's positions are measured
    std::string questionsTitle;
    std::vector<std::string> questions;
    std::string keyTitle;
    std::vector<std::string> answers; // one a question, in its order
    std::string resultTitle;
    std::string result; // the run's result in words, as the window says it
};

// How many device pixels per pixel of the window the sheet's picture is drawn at: about 300
// dots an inch across the printed text's width.
inline constexpr double worksheetPictureRatio = 4;

Worksheet worksheet(const Measured& measured, const NumberText& numbers, const Translate& translate = {});

} // namespace window
