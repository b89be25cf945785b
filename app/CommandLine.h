#pragma once

#include "window/form/RunLink.h"

#include <variant>

// The window's command line, read with Qt's parser. Qt's own options (-platform, -style and the
// rest) are taken by the application as it is made, and work as in any Qt program; what is left
// is the window's: help and the version.
namespace commandLine {

// Before the application is made. Help and the version need no screen: a line that asks for them
// is answered on the offscreen platform, so that a terminal with no display gets them too.
void prepare(int argc, char* argv[]);

// Once the application speaks the user's language. Help and the version are printed, and end the
// program with status 0, by Qt's parser. A malformed line is refused with the help on standard
// error, and the status to end with is returned; when the window is to open, the run's settings
// the line names, in a link's words.
std::variant<window::LinkSettings, int> answer();

} // namespace commandLine
