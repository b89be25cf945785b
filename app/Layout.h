#pragma once

#include "window/form/Design.h"
#include "window/rules/Geometry.h"

#include <QString>

#include <map>
#include <string>

class QWidget;

// Builds the window from its design (window/form/Design.h): the window's own properties, then every
// control at its place in twips, with its caption, font, colours and tab stop, in the order the
// window creates them. Each control's objectName is its name; options stand in their frames, one
// group per frame, none selected. The controls are shown at the window's fit (window/rules/Geometry.h):
// their places and fonts at its scale.
namespace layout {

using Widgets = std::map<std::string, QWidget*, std::less<>>;

// The window itself: its name, caption, client area at the design's size (and no smaller than the
// least zoom), colours and default font.
void prepareWindow(QWidget* window);
Widgets createControls(QWidget* window, const window::Fit& fit);
// Every control and line at the fit; one control again, where the window's state has moved it.
void fitControls(const Widgets& widgets, const window::Fit& fit);
void fitControl(QWidget* widget, const window::Control& c, const window::Fit& fit);

} // namespace layout
