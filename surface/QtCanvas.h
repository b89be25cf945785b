#pragma once

#include "surface/Canvas.h"

#include <QImage>
#include <QRect>
#include <QSize>

namespace surface {

// The window's drawing surface on the desktop: a Canvas, whose pixels keep the picture through
// repaints, minimising and being covered, seen by Qt as an image. The window takes what has
// changed once a frame and repaints it.
class QtCanvas final : public Surface {
public:
    QtCanvas(QSize logicalSize, qreal devicePixelRatio);

    // The picture as it stands, as an image of its own.
    QImage image() const { return view().copy(); }
    // The picture to paint from: it shares the canvas's pixels, and is good until the next call.
    QImage view() const;
    bool covered() const { return canvas_.covered(); }
    // The part changed since it was last taken, in logical pixels; empty when nothing has.
    QRect takeChanged();
    // The same picture drawn afresh at another resolution, not enlarged: lines stay one pen
    // wide and sharp.
    QImage redrawn(qreal devicePixelRatio) const;
    // The canvas's own picture drawn afresh at another resolution, a share at a time: the picture
    // stands at its old resolution until redraw() has drawn the new one whole (surface::Canvas).
    void beginRatio(qreal devicePixelRatio) { canvas_.beginRatio(devicePixelRatio); }
    bool redraw(Canvas::Clock::time_point deadline) { return canvas_.redraw(deadline); }
    bool redrawing() const { return canvas_.redrawing(); }
    qreal ratio() const { return canvas_.ratio(); }

    void setScaleMode(int mode) override { canvas_.setScaleMode(mode); }
    void setDrawWidth(int pixels) override { canvas_.setDrawWidth(pixels); }
    void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) override
    {
        canvas_.Line(flags, x1, y1, x2, y2, colour);
    }
    void Circle(float x, float y, float radius) override { canvas_.Circle(x, y, radius); }

private:
    static QImage imageOf(const Canvas& canvas);

    Canvas canvas_;
};

} // namespace surface
