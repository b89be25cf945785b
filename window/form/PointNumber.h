#pragma once

#include <string>

// Numbers for files that every program reads alike: a decimal point, never the separator of the
// C library's locale (which a Qt program sets from the desktop's language), and no grouping.
namespace window {

// At most that many significant digits, as printf's %g writes them.
std::string pointText(double value, int significantDigits);
// The fewest digits (up to 17) that read back as exactly the same double.
std::string exactPointText(double value);

} // namespace window
