#include "QtCanvas.h"

#include <algorithm>
#include <cmath>

namespace surface {
namespace {

std::uint32_t pixelOf(Colour colour)
{
    const std::uint32_t red = colour & 0xFFu;
    const std::uint32_t green = (colour >> 8) & 0xFFu;
    const std::uint32_t blue = (colour >> 16) & 0xFFu;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

bool finite(float a, float b, float c, float d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

QtCanvas::QtCanvas(QSize logicalSize, qreal devicePixelRatio)
    : image_(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied)
    , pixelsPerTwip_(devicePixelRatio / twipsPerPixel)
{
    // Transparent until a run paints: what lies beneath the drawing shows through.
    image_.fill(Qt::transparent);
    image_.setDevicePixelRatio(devicePixelRatio);
    // The pen is one logical pixel wide until a run sets it, however many device pixels that is.
    setDrawWidth(1);
}

void QtCanvas::setDrawWidth(int pixels)
{
    penPixels_ = std::max(1, int(std::lround(std::clamp(pixels, 1, 64) * image_.devicePixelRatio())));
}

void QtCanvas::Line(int flags, float x1, float y1, float x2, float y2, Colour colour)
{
    if (!finite(x1, y1, x2, y2))
        return;
    const Colour drawn = flags == lineInColour ? colour : foregroundColour;
    const double s = pixelsPerTwip_;
    touched(raster::line(buffer(), x1 * s, y1 * s, x2 * s, y2 * s, penPixels_, pixelOf(drawn)));
}

void QtCanvas::Circle(float x, float y, float radius)
{
    if (!finite(x, y, radius, 0.0f))
        return;
    const double s = pixelsPerTwip_;
    touched(raster::circle(buffer(), x * s, y * s, radius * s, penPixels_, pixelOf(foregroundColour)));
}

void QtCanvas::flush()
{
    lastPresent_ = Clock::now();
    if (pending_.isEmpty())
        return;
    const qreal ratio = image_.devicePixelRatio();
    const QRect logical(QPoint(int(std::floor(pending_.left() / ratio)), int(std::floor(pending_.top() / ratio))),
                        QPoint(int(std::ceil((pending_.right() + 1) / ratio)),
                               int(std::ceil((pending_.bottom() + 1) / ratio))));
    pending_ = QRect();
    if (presenter_)
        presenter_(logical);
}

raster::Buffer QtCanvas::buffer()
{
    return {reinterpret_cast<std::uint32_t*>(image_.bits()), image_.width(), image_.height(),
            image_.bytesPerLine() / 4};
}

void QtCanvas::touched(const raster::Rect& rect)
{
    if (rect.empty())
        return;
    pending_ |= QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    if (Clock::now() - lastPresent_ >= frame)
        flush();
}

} // namespace surface
