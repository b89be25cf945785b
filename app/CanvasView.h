#pragma once

#include "QtCanvas.h"

#include <QWidget>

// Shows the window's canvas. Painting only copies the backing image; the picture itself is
// drawn into the image by the run, whenever it draws.
class CanvasView final : public QWidget {
public:
    explicit CanvasView(QWidget* parent);

    surface::QtCanvas& canvas() { return canvas_; }
    const surface::QtCanvas& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A run never returns to the event loop: what it drew is shown by letting the window
    // system's own events through, while clicks and keys wait until the run is over.
    void present(const QRect& changed);

    surface::QtCanvas canvas_;
};
