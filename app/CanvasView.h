#pragma once

#include "surface/QtCanvas.h"

#include <QWidget>

// Shows the window's canvas. Painting only copies the backing image; the picture itself is
// drawn into the image by the run, whenever it draws.
class CanvasView final : public QWidget {
public:
    explicit CanvasView(QWidget* parent);

    surface::QtCanvas& canvas() { return canvas_; }
    const surface::QtCanvas& canvas() const { return canvas_; }
    // Marks the part of the picture that has changed since it was last shown.
    void changed(const QRect& rect);
    // Shows another picture of the same size instead of the canvas's own, or the canvas's again
    // with nullptr: a picture of the window at another resolution shows the drawing redrawn.
    void showInstead(const QImage* picture) { instead_ = picture; }
    // The widget that lies beneath the drawing: hidden once the picture covers it, so that a
    // screen reader no longer finds what nobody sees.
    void lieOver(QWidget* beneath) { beneath_ = beneath; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    surface::QtCanvas canvas_;
    const QImage* instead_{};
    QWidget* beneath_{};
};
