#include "app/Zoom.h"

#include "window/Geometry.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <initializer_list>

Zoom::Zoom(QWidget* window, std::function<double()> scale)
    : QObject(window)
    , window_(window)
    , scale_(std::move(scale))
{
    const auto keys = [this, window](std::initializer_list<QKeySequence> sequences, void (Zoom::*does)()) {
        for (const QKeySequence& sequence : sequences)
            connect(new QShortcut(sequence, window), &QShortcut::activated, this, does);
    };
    // Ctrl+= too, which is Ctrl+Plus without the Shift that '+' needs on many keyboards.
    keys({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &Zoom::zoomIn);
    keys({QKeySequence(QKeySequence::ZoomOut)}, &Zoom::zoomOut);
    keys({QKeySequence(Qt::CTRL | Qt::Key_0)}, &Zoom::ownSize);
    keys({QKeySequence(Qt::Key_F11)}, &Zoom::fullScreen);
}

void Zoom::zoomIn()
{
    resizeTo(window::zoomedIn(scale_()));
}

void Zoom::zoomOut()
{
    resizeTo(window::zoomedOut(scale_()));
}

void Zoom::ownSize()
{
    window_->setWindowState(Qt::WindowNoState);
    resizeTo(1);
}

void Zoom::fullScreen()
{
    const Qt::WindowStates state = window_->windowState() ^ Qt::WindowFullScreen;
    window_->setWindowState(state);
    // Where no window manager takes the window to the whole screen, it takes the screen itself.
    if (const QScreen* screen = window_->screen(); screen && state & Qt::WindowFullScreen)
        window_->setGeometry(screen->geometry());
}

void Zoom::resizeTo(double scale)
{
    if (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const window::Size design = window::clientPixels();
    QSize size = QSizeF(design.width * scale, design.height * scale).toSize();
    // Its frame and all within the part of the screen windows may take.
    if (const QScreen* screen = window_->screen())
        size = size.boundedTo(screen->availableSize() - (window_->frameGeometry().size() - window_->size()));
    window_->resize(size);
}
