#include "app/LineControl.h"

#include <QPainter>

LineControl::LineControl(QWidget* parent, QPoint from, QPoint to, int width, const window::Fit& fit)
    : QWidget(parent)
    , from_(from)
    , to_(to)
    , width_(width)
    , fit_(fit)
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

void LineControl::setFit(const window::Fit& fit)
{
    fit_ = fit;
    fitToLine();
}

// The widget covers the line's pixels in the room, and one more around them for the screen's
// own rounding.
void LineControl::fitToLine()
{
    const window::Rect pixels = window::linePixels({from_.x(), from_.y()}, {to_.x(), to_.y()}, width_, fit_.scale);
    setGeometry(QRect(int(fit_.left) + pixels.left, int(fit_.top) + pixels.top, pixels.width, pixels.height)
                    .adjusted(-1, -1, 1, 1));
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The device's own pixels per pixel of the room: a picture of the window may be drawn at
    // another resolution than the screen's.
    const qreal device = painter.deviceTransform().m11();
    const window::Rect pixels =
        window::linePixels({from_.x(), from_.y()}, {to_.x(), to_.y()}, width_, fit_.scale * device);
    // From device pixels from the window's corner to this widget's own pixels.
    painter.fillRect(QRectF(pixels.left / device + fit_.left - x(), pixels.top / device + fit_.top - y(),
                            pixels.width / device, pixels.height / device),
                     Qt::black);
}
