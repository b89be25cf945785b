#include "surface/QtCanvas.h"

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
    : logicalSize_(logicalSize)
    , image_(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied)
    , width_(image_.width())
    , height_(image_.height())
    , stride_(image_.bytesPerLine() / 4)
    , pixelsPerTwip_(devicePixelRatio / twipsPerPixel)
{
    // Transparent until a run paints: what lies beneath the drawing shows through.
    image_.fill(Qt::transparent);
    image_.setDevicePixelRatio(devicePixelRatio);
    // The pen is one logical pixel wide until a run sets it, however many device pixels that is.
    setDrawWidth(1);
}

void QtCanvas::setScaleMode(int mode)
{
    if (!covered())
        return;
    // Whatever was drawn before is about to be painted over: only the run that starts counts.
    history_.calls.clear();
    history_.setDrawWidth(pen_);
    history_.setScaleMode(mode);
}

void QtCanvas::setDrawWidth(int pixels)
{
    history_.setDrawWidth(pixels);
    pen_ = std::clamp(pixels, 1, 64);
    penPixels_ = std::max(1, int(std::lround(pen_ * image_.devicePixelRatio())));
}

QImage QtCanvas::redrawn(qreal devicePixelRatio) const
{
    QtCanvas canvas(logicalSize_, devicePixelRatio);
    history_.replayOnto(canvas);
    return canvas.image();
}

void QtCanvas::Line(int flags, float x1, float y1, float x2, float y2, Colour colour)
{
    if (!finite(x1, y1, x2, y2))
        return;
    history_.Line(flags, x1, y1, x2, y2, colour);
    const Colour drawn = flags == lineInColour ? colour : foregroundColour;
    const double s = pixelsPerTwip_;
    const raster::Buffer pixels = buffer();
    const std::optional<raster::Segment> segment = raster::place(pixels, x1 * s, y1 * s, x2 * s, y2 * s, penPixels_);
    if (!segment)
        return;
    const Stroke stroke{*segment, penPixels_, pixelOf(drawn)};
    if (stroke == lastStroke_)
        return;
    lastStroke_ = stroke;
    touched(raster::draw(pixels, stroke.segment, stroke.pen, stroke.pixel));
}

void QtCanvas::Circle(float x, float y, float radius)
{
    if (!finite(x, y, radius, 0.0f))
        return;
    history_.Circle(x, y, radius);
    lastStroke_.reset();
    const double s = pixelsPerTwip_;
    touched(raster::circle(buffer(), x * s, y * s, radius * s, penPixels_, pixelOf(foregroundColour)));
}

void QtCanvas::flush()
{
    lastPresent_ = Clock::now();
    unreadCalls_ = 0;
    if (pending_.empty())
        return;
    const qreal ratio = image_.devicePixelRatio();
    const QRect logical(
        QPoint(int(std::floor(pending_.left / ratio)), int(std::floor(pending_.top / ratio))),
        QPoint(int(std::ceil(pending_.right / ratio)) - 1, int(std::ceil(pending_.bottom / ratio)) - 1));
    pending_ = {};
    if (presenter_)
        presenter_(logical);
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
    // A change after a quiet spell is shown at once, unless a frame has just been shown.
    const bool first = pending_.empty();
    if (first) {
        pending_ = rect;
    } else {
        pending_.left = std::min(pending_.left, rect.left);
        pending_.top = std::min(pending_.top, rect.top);
        pending_.right = std::max(pending_.right, rect.right);
        pending_.bottom = std::max(pending_.bottom, rect.bottom);
    }
    if (!first && ++unreadCalls_ < callsPerClockReading)
        return;
    unreadCalls_ = 0;
    if (Clock::now() - lastPresent_ >= frame)
        flush();
}

} // namespace surface
