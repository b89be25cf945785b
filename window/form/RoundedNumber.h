#pragma once

#include "window/form/NumberText.h"

#include <string>

namespace window {

// A number as the window writes it in words, rounded to a few decimals: the front end's digits
// and decimal separator, never an exponent and never "-0", whatever the value (1e-07 degrees is
// written "0", and a value too large for the front end's digits is written whole).
std::string roundedText(double value, int decimals, const NumberText& numbers);

} // namespace window
