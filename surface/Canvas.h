#pragma once

#include "surface/PixelCanvas.h"
#include "surface/Raster.h"
#include "surface/RecordingSurface.h"
#include "surface/Surface.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace surface {

// A window's drawing as pixels, at so many device pixels per logical pixel: the same for the
// desktop's canvas and the browser page's. Drawing goes straight into the pixels, as a
// PixelCanvas draws; the part changed since it was last taken is kept for the front end to show.
// Transparent until painted, so that what lies beneath the drawing shows through. The canvas
// keeps the calls that made its picture, so that it can draw the same picture afresh at another
// resolution, never enlarged; a run paints over the whole canvas, so the calls before the last
// run are let go as it starts. At a high resolution the picture afresh is more than a frame's
// work: it is then drawn a share at a time, the picture at the old resolution standing until the
// new one is whole.
class Canvas final : public Surface {
public:
    using Clock = std::chrono::steady_clock;

    Canvas(int logicalWidth, int logicalHeight, double ratio, PixelOrder order);
    Canvas(const Canvas& other);
    Canvas& operator=(const Canvas& other);
    Canvas(Canvas&&) noexcept = default;
    Canvas& operator=(Canvas&&) noexcept = default;
    ~Canvas() override = default;

    int width() const { return width_; }
    int height() const { return height_; }
    double ratio() const { return ratio_; }
    const std::uint32_t* pixels() const { return pixels_.data(); }
    // Whether every pixel has been painted. Lines and circles are always opaque, so once it has,
    // the picture hides for good whatever lies beneath it.
    bool covered() const;
    // Whether nothing has been painted yet: the picture is then transparent at any resolution.
    bool blank() const { return blank_; }
    // The device pixels changed since they were last taken; empty when none have.
    raster::Rect takeChanged();
    // The same picture drawn afresh at another resolution: the whole canvas changes.
    void setRatio(double ratio);
    // The same, a share at a time: the picture stands as it is, at its own resolution, until
    // redraw() has drawn the new one whole. Anything drawn meanwhile waits for it.
    void beginRatio(double ratio);
    // Draws the next share of the new picture, until the deadline has passed; whether more is left.
    // Once none is, the new picture takes the old one's place, and the whole canvas has changed.
    bool redraw(Clock::time_point deadline);
    bool redrawing() const { return next_ != nullptr; }

    // The canvas works in twips only, the one mode a run sets; a run begins by setting it.
    void setScaleMode(int mode) override;
    void setDrawWidth(int pixels) override;
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius) override;

private:
    // Its pixels cleared by cleared().
    struct Uncleared {};
    Canvas(int logicalWidth, int logicalHeight, double ratio, PixelOrder order, Uncleared);

    raster::Buffer buffer() { return {pixels_.data(), width_, height_, width_}; }
    // A canvas at a resolution, its pixels to be cleared: a share at a time until the deadline,
    // whether they all are.
    void clear(double ratio);
    bool cleared(Clock::time_point deadline);
    void touched(const raster::Rect& rect);
    void finishRedraw();
    // Looks on for an unpainted pixel until the deadline; whether the look is over, one found or
    // every row painted.
    bool lookForUnpainted(Clock::time_point deadline) const;

    int logicalWidth_;
    int logicalHeight_;
    PixelOrder order_;
    double ratio_{};
    int width_{};
    int height_{};
    std::vector<std::uint32_t> pixels_;
    PixelCanvas drawing_;
    RecordingSurface history_;
    raster::Rect changed_;
    // How many rows, from the bottom up, are known to be painted whole: painted pixels stay
    // painted, so a row looked at once needs no second look.
    mutable int paintedRows_{};
    bool blank_{true};
    // The picture at the new resolution while it is drawn, and how many of the calls it has had.
    std::unique_ptr<Canvas> next_;
    std::size_t redrawn_{};
};

} // namespace surface
