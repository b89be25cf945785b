#pragma once

class QWidget;

// Shift+F10 opens the context menu wherever the menu key does, as in every desktop program: the
// window is handed the same request for a menu from the keyboard that the window system hands it
// for the menu key, so that the control with the focus answers it alike (a text box with its own
// menu, the rest with the drawing's). During a run it waits like the menu key.
namespace menuKey {

void prepare(QWidget* window);

} // namespace menuKey
