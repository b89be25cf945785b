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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    surface::QtCanvas canvas_;
};
