#pragma once

#include <QObject>
#include <QRect>

#include <functional>

class QWidget;

// The window's size from the keyboard, as a web browser's zoom and full screen: Ctrl+Plus and
// Ctrl+Minus the next size up or down (window/rules/Geometry.h), as large as the screen lets it be;
// Ctrl+0 the window's own size; F11 the whole screen, and back. The design fits whatever size the
// window takes; maximised or on the whole screen, the window keeps the screen's size.
class Zoom final : public QObject {
public:
    // `scale` is the window's scale now: its pixels per pixel of the design.
    Zoom(QWidget* window, std::function<double()> scale);

private:
    void zoomIn();
    void zoomOut();
    void ownSize();
    void fullScreen();
    void resizeTo(double scale);

    QWidget* window_;
    std::function<double()> scale_;
    // Where the window stood before it took the whole screen.
    QRect normal_;
};
