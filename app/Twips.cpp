#include "app/Twips.h"

#include "surface/Surface.h"

#include <QVariant>
#include <QWidget>

#include <cmath>

namespace twips {
namespace {

constexpr const char* property = "twipsGeometry";

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
    const window::Rect box =
        window::controlPixels(fit, {t.x(), t.y(), t.width(), t.height()}, {origin.x(), origin.y()});
    const QPoint shift = frame.isValid() ? QPoint() : QPoint(int(fit.left), int(fit.top));
    widget->setGeometry(box.left + shift.x(), box.top + shift.y(), box.width, box.height);
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
