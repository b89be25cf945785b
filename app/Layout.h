#pragma once

#include <QString>

#include <map>
#include <string>

class QWidget;

// Builds the window from its design (window/Design.h): the window's own properties, then every
// control at its place in twips, with its caption, font, colours and tab stop, in the order the
// window creates them. Each control's objectName is its name; options stand in their frames, one
// group per frame, none selected.
namespace layout {

using Widgets = std::map<std::string, QWidget*, std::less<>>;

// The window itself: its name, caption, client area, colours and default font.
void prepareWindow(QWidget* window);
Widgets createControls(QWidget* window);

} // namespace layout
