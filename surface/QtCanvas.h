#pragma once

#include "surface/PixelCanvas.h"
#include "surface/Raster.h"
#include "surface/RecordingSurface.h"
#include "surface/Surface.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>

namespace surface {

// The window's drawing surface: a persistent image that keeps the picture through repaints,
// minimising and being covered. Drawing goes straight into the image, as a PixelCanvas draws;
// whatever has changed is handed to the presenter at most once a frame, and at once before a
// pause.
class QtCanvas final : public Surface {
public:
    // Receives the changed part in logical pixels; the window repaints it.
    using Presenter = std::function<void(const QRect&)>;

    QtCanvas(QSize logicalSize, qreal devicePixelRatio);

    const QImage& image() const { return image_; }
    // Whether every pixel of the image has been painted. Lines and circles are always opaque, so
    // once it is, the picture hides for good whatever lies beneath it.
    bool covered() const;
    void setPresenter(Presenter presenter) { presenter_ = std::move(presenter); }
    // The same picture drawn afresh at another resolution, not enlarged: lines stay one pen
    // wide and sharp. The canvas keeps the calls that made its picture for this; a run paints
    // over the whole canvas, so those before the last run are let go as it starts.
    QImage redrawn(qreal devicePixelRatio) const;

    // The canvas works in twips only, the one mode a run sets; a run begins by setting it.
    void setScaleMode(int mode) override;
    void setDrawWidth(int pixels) override;
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius) override;
    void flush() override;

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto frame = std::chrono::milliseconds(16);
    // Reading the clock costs more than drawing a short line, so a change that waits with
    // others looks at it only once in so many calls: a few microseconds of drawing.
    static constexpr int callsPerClockReading = 64;

    raster::Buffer buffer();
    void touched(const raster::Rect& rect);

    QSize logicalSize_;
    QImage image_;
    // The image's shape, fixed for its lifetime: asked for once, not at every call.
    int width_{};
    int height_{};
    std::ptrdiff_t stride_{};
    PixelCanvas pixels_;
    RecordingSurface history_;
    raster::Rect pending_;
    int unreadCalls_{};
    mutable bool covered_{};
    Clock::time_point lastPresent_{Clock::now()};
    Presenter presenter_;
};

} // namespace surface
