#pragma once

#include "window/form/Design.h"
#include "window/form/State.h"

#include <optional>
#include <vector>

// Which controls take the focus, and in what order Tab visits them: by their tab numbers, the
// hidden skipped, and an option group a single stop at its selected option (at each of its
// options while none is selected). Tab after the last stop comes round to the first.
namespace window {

bool takesFocus(Kind kind);
// The stops of the tab order as the window stands.
std::vector<const Control*> tabStops(const State& state);
// The stop Tab (or Shift+Tab, backward) moves the focus to from a control; from a control
// that is no stop, the first (or the last).
const Control* nextStop(const State& state, std::string_view from, bool forward);

// The option an arrow key moves to within a group: the nearest whose centre lies that way,
// those level with this one first; nothing beyond the last. A step of (1, 0) is to the right,
// (0, 1) down.
const Control* optionToward(const State& state, std::string_view from, int dx, int dy);

} // namespace window
