#pragma once

#include "surface/Surface.h"

#include <QImage>
#include <QPainter>

// The straightforward canvas, the yardstick for the window's own: every call sets the twips
// transform and the pen on a QPainter and lets it draw the segment or circle into an image.
class PainterSurface final : public surface::Surface {
public:
    explicit PainterSurface(QSize logicalSize);

    void setScaleMode(int) override {}
    void setDrawWidth(int pixels) override { penPixels_ = pixels; }
    void Line(int flags, float x1, float y1, float x2, float y2, surface::Colour colour) override;
    void Circle(float x, float y, float radius) override;

private:
    void prepare(surface::Colour colour);

    QImage image_;
    QPainter painter_;
    int penPixels_{1};
};
