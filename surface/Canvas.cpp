#include "surface/Canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace surface {

Canvas::Canvas(int logicalWidth, int logicalHeight, double ratio, PixelOrder order)
    : Canvas(logicalWidth, logicalHeight, ratio, order, Uncleared{})
{
    cleared(Clock::time_point::max());
}

Canvas::Canvas(int logicalWidth, int logicalHeight, double ratio, PixelOrder order, Uncleared)
    : logicalWidth_(logicalWidth)
    , logicalHeight_(logicalHeight)
    , order_(order)
    , drawing_(ratio, order)
{
    clear(ratio);
}

// A copy is of the picture as it stands; one being drawn afresh is the original's to finish.
Canvas::Canvas(const Canvas& other)
    : logicalWidth_(other.logicalWidth_)
    , logicalHeight_(other.logicalHeight_)
    , order_(other.order_)
    , ratio_(other.ratio_)
    , width_(other.width_)
    , height_(other.height_)
    , pixels_(other.pixels_)
    , drawing_(other.drawing_)
    , history_(other.history_)
    , changed_(other.changed_)
    , paintedRows_(other.paintedRows_)
    , blank_(other.blank_)
{
}

Canvas& Canvas::operator=(const Canvas& other)
{
    if (this != &other)
        *this = Canvas(other);
    return *this;
}

void Canvas::clear(double ratio)
{
    ratio_ = ratio;
    width_ = int(std::lround(logicalWidth_ * ratio));
    height_ = int(std::lround(logicalHeight_ * ratio));
    pixels_.clear();
    pixels_.reserve(std::size_t(width_) * std::size_t(height_));
    paintedRows_ = 0;
    blank_ = true;
    drawing_ = PixelCanvas(ratio, order_);
    history_ = {};
    history_.setDrawWidth(drawing_.drawWidth());
}

bool Canvas::cleared(Clock::time_point deadline)
{
    // So many pixels are cleared between readings of the clock.
    constexpr std::size_t pixelsPerClockReading = std::size_t(1) << 20;
    const std::size_t all = std::size_t(width_) * std::size_t(height_);
    while (pixels_.size() < all) {
        pixels_.resize(std::min(pixels_.size() + pixelsPerClockReading, all), 0u);
        if (pixels_.size() < all && Clock::now() >= deadline)
            return false;
    }
    return true;
}

void Canvas::setRatio(double ratio)
{
    beginRatio(ratio);
    finishRedraw();
}

void Canvas::beginRatio(double ratio)
{
    next_.reset(new Canvas(logicalWidth_, logicalHeight_, ratio, order_, Uncleared{}));
    redrawn_ = 0;
}

bool Canvas::redraw(Clock::time_point deadline)
{
    if (!next_)
        return false;
    if (!next_->cleared(deadline))
        return true;
    // The clock is read once in so many calls.
    constexpr std::size_t callsPerClockReading = 1024;
    const std::size_t calls = history_.calls.size();
    while (redrawn_ < calls) {
        const std::size_t next = std::min(redrawn_ + callsPerClockReading, calls);
        history_.replayOnto(*next_, redrawn_, next);
        redrawn_ = next;
        if (redrawn_ < calls && Clock::now() >= deadline)
            return true;
    }
    // Whether the new picture covers the canvas is looked at in shares too: a run that starts on
    // it asks at once, and the whole of a large canvas is more than a frame's work.
    if (!next_->lookForUnpainted(deadline))
        return true;
    const std::unique_ptr<Canvas> redrawn = std::move(next_);
    *this = std::move(*redrawn);
    changed_ = {0, 0, width_, height_};
    return false;
}

void Canvas::finishRedraw()
{
    redraw(Clock::time_point::max());
}

void Canvas::setScaleMode(int mode)
{
    if (redrawing())
        finishRedraw();
    if (!covered())
        return;
    // Whatever was drawn before is about to be painted over: only the run that starts counts.
    history_.calls.clear();
    history_.setDrawWidth(drawing_.drawWidth());
    history_.setScaleMode(mode);
}

void Canvas::setDrawWidth(int pixels)
{
    if (redrawing())
        finishRedraw();
    history_.setDrawWidth(pixels);
    drawing_.setDrawWidth(pixels);
}

void Canvas::Line(int flags, float x1, float y1, float x2, float y2, Colour colour)
{
    if (redrawing())
        finishRedraw();
    history_.Line(flags, x1, y1, x2, y2, colour);
    touched(drawing_.line(buffer(), flags, x1, y1, x2, y2, colour));
}

void Canvas::Circle(float x, float y, float radius)
{
    if (redrawing())
        finishRedraw();
    history_.Circle(x, y, radius);
    touched(drawing_.circle(buffer(), x, y, radius));
}

raster::Rect Canvas::takeChanged()
{
    return std::exchange(changed_, {});
}

bool Canvas::covered() const
{
    lookForUnpainted(Clock::time_point::max());
    return paintedRows_ == height_;
}

bool Canvas::lookForUnpainted(Clock::time_point deadline) const
{
    // From the bottom up: a run paints its background from the top down, so while it is under
    // way the first rows looked at are the ones still clear. The clock is read once in so many
    // rows.
    constexpr int rowsPerClockReading = 64;
    while (paintedRows_ < height_) {
        const std::uint32_t* row = pixels_.data() + std::ptrdiff_t(height_ - 1 - paintedRows_) * width_;
        if (std::any_of(row, row + width_, [](std::uint32_t pixel) { return pixel >> 24 != 0xFFu; }))
            return true;
        ++paintedRows_;
        if (paintedRows_ % rowsPerClockReading == 0 && Clock::now() >= deadline)
            return paintedRows_ == height_;
    }
    return true;
}

void Canvas::touched(const raster::Rect& rect)
{
    if (rect.empty())
        return;
    blank_ = false;
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
