#pragma once

#include "window/State.h"
#include "window/Translate.h"

#include <string>

// The window as data, for a front end that builds its own widgets from it (the browser's page):
// the design with every rule a front end needs of it, and the state as it stands.
namespace window {

// The window's properties, every control (its kind, place in twips, caption, font, colours,
// whether it takes the focus and whether its caption may grow), the lines, and the numbers of the
// scroll bar, the text boxes and the twips; the words in the front end's language.
std::string designJson(const Translate& translate);
// The texts, which controls are shown and where, the selected options, each line's device pixels
// at so many device pixels per pixel, and the scroll bar's position.
std::string stateJson(const State& state, double ratio);

} // namespace window
