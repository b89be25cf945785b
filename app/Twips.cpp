#include "app/Twips.h"

#include "surface/Surface.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace twips {
namespace {

constexpr const char* property = "twipsGeometry";

// A coordinate in twips as pixels of the room, at the fit.
int pixels(double twips, const window::Fit& fit)
{
    return window::devicePixels(fit, twips / surface::twipsPerPixel);
}

} // namespace

int toPixels(double twips)
{
    return int(std::lround(twips / surface::twipsPerPixel));
}

void place(QWidget* widget, const QRect& t, const window::Fit& fit)
{
    widget->setProperty(property, t);
    // Within a frame, from the frame's corner as the frame itself is placed; in the window, from
    // the window's place in the room.
    const QWidget* container = widget->parentWidget();
    const QVariant frame = container ? container->property(property) : QVariant();
    const QPoint origin = frame.isValid() ? frame.toRect().topLeft() : QPoint();
    const QPoint shift = frame.isValid() ? QPoint(pixels(origin.x(), fit), pixels(origin.y(), fit))
                                         : QPoint(-int(fit.left), -int(fit.top));
    const int left = pixels(origin.x() + t.x(), fit);
    const int top = pixels(origin.y() + t.y(), fit);
    widget->setGeometry(left - shift.x(), top - shift.y(), pixels(origin.x() + t.x() + t.width(), fit) - left,
                        pixels(origin.y() + t.y() + t.height(), fit) - top);
}

void move(QWidget* widget, int left, int top, const window::Fit& fit)
{
    place(widget, QRect(left, top, geometry(widget).width(), geometry(widget).height()), fit);
}

QRect geometry(const QWidget* widget)
{
    return widget->property(property).toRect();
}

} // namespace twips
