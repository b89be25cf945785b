#include "bench/PainterSurface.h"

#include <QPen>
#include <QTransform>

namespace {

QColor colourOf(surface::Colour colour)
{
    const surface::Rgb rgb = surface::rgbOf(colour);
    return QColor(int(rgb.red), int(rgb.green), int(rgb.blue));
}

} // namespace

PainterSurface::PainterSurface(QSize logicalSize)
    : image_(logicalSize, QImage::Format_ARGB32_Premultiplied)
{
    image_.fill(Qt::transparent);
    painter_.begin(&image_);
}

void PainterSurface::prepare(surface::Colour colour)
{
    painter_.setTransform(QTransform::fromScale(1.0 / surface::twipsPerPixel, 1.0 / surface::twipsPerPixel));
    QPen pen(colourOf(colour));
    pen.setWidthF(penPixels_ * surface::twipsPerPixel);
    painter_.setPen(pen);
}

void PainterSurface::Line(int flags, float x1, float y1, float x2, float y2, surface::Colour colour)
{
    prepare(flags == surface::lineInColour ? colour : surface::foregroundColour);
    painter_.drawLine(QLineF(x1, y1, x2, y2));
}

void PainterSurface::Circle(float x, float y, float radius)
{
    prepare(surface::foregroundColour);
    painter_.drawEllipse(QPointF(x, y), radius, radius);
}
