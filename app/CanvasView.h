#pragma once

#include "surface/QtCanvas.h"
#include "window/rules/Geometry.h"

#include <QTimer>
#include <QWidget>

// Shows the window's canvas at the window's fit. Painting only copies the backing image; the
// picture itself is drawn into the image by the run, whenever it draws. Fitted anew at another
// resolution, the picture is drawn afresh a share per frame, as a run is, the old one shown
// enlarged or reduced meanwhile.
class CanvasView final : public QWidget {
public:
    // At the window's own size, at the screen's resolution.
    explicit CanvasView(QWidget* parent);

    surface::QtCanvas& canvas() { return canvas_; }
    const surface::QtCanvas& canvas() const { return canvas_; }
    // Covers the window's place at the fit; the drawing at so many device pixels per pixel of the
    // window.
    void fit(const window::Fit& fit, qreal ratio);
    // Marks the part of the picture, in pixels of the window, that has changed since it was last
    // shown.
    void changed(const QRect& rect);
    // Shows another picture of the same window instead of the canvas's own, or the canvas's again
    // with nullptr: a picture of the window at another resolution shows the drawing redrawn.
    void showInstead(const QImage* picture) { instead_ = picture; }
    // The widget that lies beneath the drawing: hidden once the picture covers it, so that a
    // screen reader no longer finds what nobody sees.
    void lieOver(QWidget* beneath) { beneath_ = beneath; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void redrawShare();

    surface::QtCanvas canvas_;
    double scale_{1};
    QTimer redraws_;
    const QImage* instead_{};
    QWidget* beneath_{};
};
