#pragma once

class QWidget;

// Whether something beside the program takes a window to the whole screen when its state asks for
// it: on X, a window manager that says it does; elsewhere, the platform itself.
bool screenFilledForWindow(const QWidget* window);
