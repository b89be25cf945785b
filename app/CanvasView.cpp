#include "app/CanvasView.h"

#include "window/form/RunLoop.h"

#include <QPaintEvent>
#include <QPainter>

CanvasView::CanvasView(QWidget* parent)
    : QWidget(parent)
    , canvas_(parent->size(), parent->devicePixelRatioF())
{
    setObjectName(QStringLiteral("canvas"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(QPoint(0, 0), parent->size()));
    // A share of the picture each time the event loop comes round, as a run's frames are drawn.
    redraws_.setInterval(0);
    connect(&redraws_, &QTimer::timeout, this, &CanvasView::redrawShare);
}

void CanvasView::fit(const window::Fit& fit, qreal ratio)
{
    const window::Size window = window::clientPixels();
    scale_ = fit.scale;
    setGeometry(int(fit.left), int(fit.top), window::devicePixels(fit, window.width),
                window::devicePixels(fit, window.height));
    if (ratio != canvas_.ratio() || canvas_.redrawing()) {
        canvas_.beginRatio(ratio);
        redraws_.start();
    }
    update();
}

void CanvasView::redrawShare()
{
    if (canvas_.redraw(surface::Canvas::Clock::now() + window::frameBudget))
        return;
    redraws_.stop();
    canvas_.takeChanged();
    update();
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
    update(QRectF(rect.x() * scale_, rect.y() * scale_, rect.width() * scale_, rect.height() * scale_).toAlignedRect());
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (testAttribute(Qt::WA_OpaquePaintEvent))
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage image = instead_ ? *instead_ : canvas_.view();
    // The image's pixels per pixel of this widget: the screen's own, unless the picture is the old
    // one, shown at the new size until the new one is whole.
    const qreal ratio = image.devicePixelRatio() / scale_;
    const QRect target = event->rect();
    const QRectF source(target.x() * ratio, target.y() * ratio, target.width() * ratio, target.height() * ratio);
    painter.drawImage(QRectF(target), image, source);
}
