#pragma once

#include "window/rules/Geometry.h"

#include <QRect>

class QWidget;

// Controls are placed in twips, 15 to a logical pixel, and shown at the window's fit: their edges
// on whole pixels of the room the window is shown in, as the fit rounds them. The twips themselves
// are kept on the widget, since many positions (a label moved to left 5800, say) fall between two
// pixels, and the window may be fitted again.
namespace twips {

// A control at its place in twips from its container's corner: a frame it stands in, or the
// window, which stands at the fit's place in the room.
void place(QWidget* widget, const QRect& twipsRect, const window::Fit& fit);
void move(QWidget* widget, int left, int top, const window::Fit& fit);
QRect geometry(const QWidget* widget);
int toPixels(double twips);

} // namespace twips
