#include "app/LineControl.h"

#include "surface/Surface.h"
#include "window/Geometry.h"

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

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The device's own ratio: a picture of the window may be drawn at another than the screen's.
    const qreal ratio = painter.deviceTransform().m11();
    const window::Rect pixels = window::linePixels({from_.x(), from_.y()}, {to_.x(), to_.y()}, width_, ratio);
    // From the window's device pixels to this widget's own logical ones.
    painter.fillRect(
        QRectF(pixels.left / ratio - x(), pixels.top / ratio - y(), pixels.width / ratio, pixels.height / ratio),
        Qt::black);
}
