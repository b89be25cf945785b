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

void place(QWidget* widget, const QRect& t)
{
    widget->setProperty(property, t);
    widget->setGeometry(toPixels(t.x()), toPixels(t.y()), toPixels(t.width()), toPixels(t.height()));
}

void move(QWidget* widget, int left, int top)
{
    place(widget, QRect(left, top, geometry(widget).width(), geometry(widget).height()));
}

QRect geometry(const QWidget* widget)
{
    return widget->property(property).toRect();
}

} // namespace twips
