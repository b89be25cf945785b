#include "surface/QtCanvas.h"

#include <algorithm>
#include <cmath>

namespace surface {

QtCanvas::QtCanvas(QSize logicalSize, qreal devicePixelRatio)
    : logicalSize_(logicalSize)
    , image_(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied)
    , width_(image_.width())
    , height_(image_.height())
    , stride_(image_.bytesPerLine() / 4)
    , pixels_(devicePixelRatio)
{
    // Transparent until a run paints: what lies beneath the drawing shows through.
    image_.fill(Qt::transparent);
    image_.setDevicePixelRatio(devicePixelRatio);
    history_.setDrawWidth(pixels_.drawWidth());
}

void QtCanvas::setScaleMode(int mode)
{
    if (!covered())
        return;
    // Whatever was drawn before is about to be painted over: only the run that starts counts.
    history_.calls.clear();
    history_.setDrawWidth(pixels_.drawWidth());
    history_.setScaleMode(mode);
}

void QtCanvas::setDrawWidth(int pixels)
{
    history_.setDrawWidth(pixels);
    pixels_.setDrawWidth(pixels);
}

QImage QtCanvas::redrawn(qreal devicePixelRatio) const
{
    QtCanvas canvas(logicalSize_, devicePixelRatio);
    history_.replayOnto(canvas);
    return canvas.image();
}

void QtCanvas::Line(int flags, float x1, float y1, float x2, float y2, Colour colour)
{
    history_.Line(flags, x1, y1, x2, y2, colour);
    touched(pixels_.line(buffer(), flags, x1, y1, x2, y2, colour));
}

void QtCanvas::Circle(float x, float y, float radius)
{
    history_.Circle(x, y, radius);
    touched(pixels_.circle(buffer(), x, y, radius));
}

QRect QtCanvas::takeChanged()
{
    if (changed_.empty())
        return {};
    const qreal ratio = image_.devicePixelRatio();
    const QRect logical(
        QPoint(int(std::floor(changed_.left / ratio)), int(std::floor(changed_.top / ratio))),
        QPoint(int(std::ceil(changed_.right / ratio)) - 1, int(std::ceil(changed_.bottom / ratio)) - 1));
    changed_ = {};
    return logical;
}

bool QtCanvas::covered() const
{
    if (covered_)
        return true;
    // From the bottom up: a run paints its background from the top down, so while it is under
    // way the first rows looked at are the ones still clear.
    for (int y = height_ - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y));
        for (int x = 0; x < width_; ++x) {
            if ((row[x] >> 24) != 0xFFu)
                return false;
        }
    }
    covered_ = true;
    return true;
}

raster::Buffer QtCanvas::buffer()
{
    // bits() each time: it parts the image from any copy of it that was handed out.
    return {reinterpret_cast<std::uint32_t*>(image_.bits()), width_, height_, stride_};
}

void QtCanvas::touched(const raster::Rect& rect)
{
    if (rect.empty())
        return;
    if (changed_.empty()) {
        changed_ = rect;
        return;
    }
    changed_.left = std::min(changed_.left, rect.left);
    changed_.top = std::min(changed_.top, rect.top);
    changed_.right = std::max(changed_.right, rect.right);
    changed_.bottom = std::max(changed_.bottom, rect.bottom);
}

} // namespace surface
