#include "app/LineControl.h"

#include "surface/Surface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

LineControl::LineControl(QWidget* parent, QPoint from, QPoint to, int width)
    : QWidget(parent)
    , from_(from)
    , to_(to)
    , width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    fitToLine();
}

void LineControl::setEnds(QPoint from, QPoint to)
{
    from_ = from;
    to_ = to;
    fitToLine();
}

// The widget covers the pixels of the line and the pen's width around it.
void LineControl::fitToLine()
{
    const int t = surface::twipsPerPixel;
    const int left = int(std::floor(std::min(from_.x(), to_.x()) / double(t))) - width_;
    const int top = int(std::floor(std::min(from_.y(), to_.y()) / double(t))) - width_;
    const int right = int(std::floor(std::max(from_.x(), to_.x()) / double(t))) + width_;
    const int bottom = int(std::floor(std::max(from_.y(), to_.y()) / double(t))) + width_;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

QPoint LineControl::local(QPoint twips) const
{
    const int t = surface::twipsPerPixel;
    return QPoint(int(std::floor(twips.x() / double(t))) - x(), int(std::floor(twips.y() / double(t))) - y());
}

void LineControl::paintEvent(QPaintEvent*)
{
    // The pen runs along the middle of the pixels the ends fall in, with flat ends. The device's
    // pixels it sets are those whose centres lie within it, a centre on its far edges counting
    // in and one on its near edges out: set as whole pixels, they are exactly the same whichever
    // part of the line is repainted, and at every resolution.
    QPainter painter(this);
    const QPointF a = QPointF(local(from_)) + QPointF(0.5, 0.5);
    const QPointF b = QPointF(local(to_)) + QPointF(0.5, 0.5);
    const qreal half = width_ / 2.0;
    const QRectF pen = a.y() == b.y() ? QRectF(QPointF(std::min(a.x(), b.x()), a.y() - half),
                                               QPointF(std::max(a.x(), b.x()), a.y() + half))
                                      : QRectF(QPointF(a.x() - half, std::min(a.y(), b.y())),
                                               QPointF(a.x() + half, std::max(a.y(), b.y())));
    const QTransform toDevice = painter.deviceTransform();
    const QRectF onDevice = toDevice.mapRect(pen);
    const auto first = [](qreal edge) { return std::floor(edge - 0.5) + 1; };
    const auto last = [](qreal edge) { return std::floor(edge - 0.5); };
    const QRectF pixels(QPointF(first(onDevice.left()), first(onDevice.top())),
                        QPointF(last(onDevice.right()) + 1, last(onDevice.bottom()) + 1));
    painter.fillRect(toDevice.inverted().mapRect(pixels), Qt::black);
}
