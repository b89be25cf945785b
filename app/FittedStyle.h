#pragma once

#include <QProxyStyle>

// The desktop's own style, with an option's circle and the gap after it at the window's scale, as
// its words are: in a window smaller than its design the circle shrinks with the words rather than
// covering them, and in a larger one it grows with them, as the page draws it.
class FittedStyle final : public QProxyStyle {
public:
    void setScale(double scale) { scale_ = scale; }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    double scale_{1};
};
