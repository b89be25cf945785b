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

QPointF LineControl::local(QPoint twips) const
{
    const int t = surface::twipsPerPixel;
    return QPointF(std::floor(twips.x() / double(t)) - x() + 0.5, std::floor(twips.y() / double(t)) - y() + 0.5);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(local(from_), local(to_));
}
