#include "surface/QtCanvas.h"

#include <cmath>

namespace surface {

QtCanvas::QtCanvas(QSize logicalSize, qreal devicePixelRatio)
    : canvas_(logicalSize.width(), logicalSize.height(), devicePixelRatio, PixelOrder::Argb)
{
}

QImage QtCanvas::imageOf(const Canvas& canvas)
{
    // Every pixel painted is opaque, and a clear one is zero: premultiplied as they stand.
    QImage image(reinterpret_cast<const uchar*>(canvas.pixels()), canvas.width(), canvas.height(),
                 qsizetype(canvas.width()) * 4, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(canvas.ratio());
    return image;
}

QImage QtCanvas::view() const
{
    return imageOf(canvas_);
}

QRect QtCanvas::takeChanged()
{
    const raster::Rect changed = canvas_.takeChanged();
    if (changed.empty())
        return {};
    const qreal ratio = canvas_.ratio();
    return QRect(QPoint(int(std::floor(changed.left / ratio)), int(std::floor(changed.top / ratio))),
                 QPoint(int(std::ceil(changed.right / ratio)) - 1, int(std::ceil(changed.bottom / ratio)) - 1));
}

QImage QtCanvas::redrawn(qreal devicePixelRatio) const
{
    Canvas canvas = canvas_;
    canvas.setRatio(devicePixelRatio);
    return imageOf(canvas).copy();
}

} // namespace surface
