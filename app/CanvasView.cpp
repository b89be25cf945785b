#include "app/CanvasView.h"

#include <QPaintEvent>
#include <QPainter>

CanvasView::CanvasView(QWidget* parent)
    : QWidget(parent)
    , canvas_(parent->size(), parent->devicePixelRatioF())
{
    setObjectName(QStringLiteral("canvas"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(QPoint(0, 0), parent->size()));
}

void CanvasView::changed(const QRect& rect)
{
    // Once the picture covers the whole canvas, the window's background and the prompt beneath
    // it need no painting, and the picture is copied rather than blended.
    if (!testAttribute(Qt::WA_OpaquePaintEvent) && canvas_.covered()) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        if (beneath_)
            beneath_->hide();
    }
    update(rect);
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent))
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage image = instead_ ? *instead_ : canvas_.view();
    const qreal ratio = image.devicePixelRatio();
    const QRect target = event->rect();
    const QRectF source(target.x() * ratio, target.y() * ratio, target.width() * ratio, target.height() * ratio);
    painter.drawImage(QRectF(target), image, source);
}
