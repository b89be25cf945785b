#pragma once

class QWidget;

// What the window offers beyond the mouse: the names by which screen readers announce its
// controls, in the window's own words, and the keys that press its command buttons.
namespace accessibility {

// Call once, after the controls have been created.
void prepare(QWidget* window);

} // namespace accessibility
