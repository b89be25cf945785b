#include "app/Zoom.h"

#include "window/rules/Geometry.h"
#include "window/rules/Shortcuts.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <utility>

Zoom::Zoom(QWidget* window, std::function<double()> scale)
    : QObject(window)
    , window_(window)
    , scale_(std::move(scale))
{
    using window::Command;
    const std::pair<Command, void (Zoom::*)()> does[] = {{Command::ZoomIn, &Zoom::zoomIn},
                                                         {Command::ZoomOut, &Zoom::zoomOut},
                                                         {Command::OwnSize, &Zoom::ownSize},
                                                         {Command::FullScreen, &Zoom::fullScreen}};
    for (const window::Shortcut& shortcut : window::shortcuts()) {
        for (const auto& [command, handler] : does) {
            if (shortcut.command != command)
                continue;
            for (const window::Chord& chord : shortcut.keys) {
                if (chord.name) {
                    const QKeySequence keys(QString::fromStdString(window::desktopKeys(chord)));
                    connect(new QShortcut(keys, window), &QShortcut::activated, this, handler);
                }
            }
        }
    }
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
