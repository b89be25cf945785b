#pragma once

#include "window/handout/Worksheet.h"

#include <QByteArray>

class QImage;

// A worksheet laid out on A4 pages by Qt's PDF writer: the title and a line for the student's
// name, the run's picture as wide as the text (drawn at a print resolution, never enlarged), its
// settings, the table of what the detectors measured, the questions each with room to write,
// and the answer key on a page of its own.
QByteArray worksheetPdf(const window::Worksheet& sheet, const QImage& picture);
