#pragma once

class QWidget;

#include <QString>

// What the window offers beyond the mouse: the names by which screen readers announce its
// controls, in the window's own words, the pace in words, and the run's result as the drawing's
// description and said as it ends.
namespace accessibility {

// Call once, after the controls have been created.
void prepare(QWidget* window);
// What the drawing shows, in words, for a screen reader: a run's result once it has one, said
// at once wherever the focus is.
void describeDrawing(QWidget* window, const QString& description);

} // namespace accessibility
