#pragma once

#include <QRect>

class QWidget;

// Controls are placed in twips, 15 to a logical pixel. The twips themselves are kept on the
// widget, since many positions (a label moved to left 5800, say) fall between two pixels.
namespace twips {

void place(QWidget* widget, const QRect& twipsRect);
void move(QWidget* widget, int left, int top);
QRect geometry(const QWidget* widget);
int toPixels(double twips);

} // namespace twips
