#pragma once

#include "window/form/NumberText.h"
#include "window/form/RunLoop.h"
#include "window/form/Translate.h"

#include <string>

// A run's result in words, in the user's language: what a student is told the light did.
namespace window {

// Two or three sentences on the case, then one a detector: the angle of incidence against the
// critical angle, the angles of reflection and refraction the laws give, and where each detector
// found light, whence it came, and the angle its positions give beside the law's. Decided from the
// run's own numbers (its direction, its index, its readings) by window::light, in degrees to one
// decimal, and never in the window's twips.
std::string statement(const Measured& measured, const NumberText& numbers, const Translate& translate = {});

// The pace the scroll bar sets at a position, in words: from the fastest to the slowest.
std::string paceText(int position, const NumberText& numbers, const Translate& translate = {});

} // namespace window
