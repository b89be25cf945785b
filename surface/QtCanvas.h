#pragma once

#include "surface/PixelCanvas.h"
#include "surface/Raster.h"
#include "surface/RecordingSurface.h"
#include "surface/Surface.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstddef>

namespace surface {

// The window's drawing surface: a persistent image that keeps the picture through repaints,
// minimising and being covered. Drawing goes straight into the image, as a PixelCanvas draws;
// the window takes what has changed once a frame and repaints it.
class QtCanvas final : public Surface {
public:
    QtCanvas(QSize logicalSize, qreal devicePixelRatio);

    const QImage& image() const { return image_; }
    // Whether every pixel of the image has been painted. Lines and circles are always opaque, so
    // once it is, the picture hides for good whatever lies beneath it.
    bool covered() const;
    // The part changed since it was last taken, in logical pixels; empty when nothing has.
    QRect takeChanged();
    // The same picture drawn afresh at another resolution, not enlarged: lines stay one pen
    // wide and sharp. The canvas keeps the calls that made its picture for this; a run paints
    // over the whole canvas, so those before the last run are let go as it starts.
    QImage redrawn(qreal devicePixelRatio) const;

    // The canvas works in twips only, the one mode a run sets; a run begins by setting it.
    void setScaleMode(int mode) override;
    void setDrawWidth(int pixels) override;
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius) override;
    // What has been drawn is shown at the end of the frame, pause or none.
    void flush() override {}

private:
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
    raster::Rect changed_;
    mutable bool covered_{};
};

} // namespace surface
