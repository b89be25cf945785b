#pragma once

#include "Raster.h"
#include "Surface.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <chrono>
#include <functional>

namespace surface {

// The window's drawing surface: a persistent image that keeps the picture through repaints,
// minimising and being covered. Drawing goes straight into the image; whatever has changed is
// handed to the presenter at most once a frame, and at once before a pause.
class QtCanvas final : public Surface {
public:
    // Receives the changed part in logical pixels; the window repaints it.
    using Presenter = std::function<void(const QRect&)>;

    QtCanvas(QSize logicalSize, qreal devicePixelRatio);

    const QImage& image() const { return image_; }
    void setPresenter(Presenter presenter) { presenter_ = std::move(presenter); }

    // The canvas works in twips only, the one mode a run sets.
    void setScaleMode(int) override {}
    void setDrawWidth(int pixels) override;
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius) override;
    void flush() override;

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto frame = std::chrono::milliseconds(16);

    raster::Buffer buffer();
    void touched(const raster::Rect& rect);

    QImage image_;
    double pixelsPerTwip_{};
    int penPixels_{};
    QRect pending_;
    Clock::time_point lastPresent_{Clock::now()};
    Presenter presenter_;
};

} // namespace surface
