#pragma once

#include "window/form/State.h"
#include "window/form/Translate.h"

#include <string>

// The window as data, for a front end that builds its own widgets from it (the browser's page):
// the design with every rule a front end needs of it, and what the state changed.
namespace window {

// The window's properties, every control (its kind, place in twips, caption, font, colours,
// whether it takes the focus and whether its caption may grow), the lines, and the numbers of the
// scroll bar, the text boxes and the twips; the words in the front end's language.
std::string designJson(const Translate& translate);
// What changed, as the state now has it: for each control changed, its text (a text box's), whether
// it is selected (an option), whether it is shown and where it stands in twips; for each line
// changed, its ends in twips, its width and whether it is shown; the scroll bar's position if it
// moved.
std::string changesJson(const State& state, const StateChanges& changes);
// The device pixels of a line at so many device pixels per pixel (window::linePixels).
std::string linePixelsJson(Point from, Point to, int width, double ratio);

} // namespace window
