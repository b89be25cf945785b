#include "app/Zoom.h"

#include "app/WindowManager.h"
#include "window/rules/Geometry.h"
#include "window/rules/Shortcuts.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

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
    const bool whole = state & Qt::WindowFullScreen;
    if (whole)
        normal_ = window_->geometry();
    window_->setWindowState(state);
    if (screenFilledForWindow(window_))
        return;
    // Where no window manager takes the window to the whole screen and back, the window goes there
    // itself: through its native window, since the widget's own geometry set anew would drop its
    // state.
    const QScreen* screen = window_->screen();
    if (whole && screen)
        window_->windowHandle()->setGeometry(screen->geometry());
    else if (!whole && normal_.isValid())
        window_->windowHandle()->setGeometry(normal_);
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
