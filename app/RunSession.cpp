#include "app/RunSession.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

// What a user does with the mouse and the keyboard, as the widgets receive it.
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

void RunSession::useQtEventDispatcher()
{
    qputenv("QT_NO_GLIB", QByteArrayLiteral("1"));
}

RunSession::RunSession(QWidget* window, const QObject* exitButton)
    : QObject(window)
    , window_(window)
    , exitButton_(exitButton)
{
    QCoreApplication::instance()->installEventFilter(this);
}

void RunSession::run(const Work& work)
{
    running_ = true;
    work([this] { return closing_; });
    running_ = false;
    if (closing_) {
        setAside_.clear();
        window_->close();
        return;
    }
    // From the event loop, as soon as it is back: as if the input had only just arrived.
    QMetaObject::invokeMethod(this, &RunSession::handleSetAsideInput, Qt::QueuedConnection);
}

void RunSession::present()
{
    QCoreApplication::processEvents();
}

bool RunSession::mayClose()
{
    if (running_)
        closing_ = true;
    return !running_;
}

bool RunSession::eventFilter(QObject* watched, QEvent* event)
{
    // Input reaches the window first and is passed on to a widget: it waits at the widget, so
    // that it is handled later exactly as if it had only just arrived.
    if (!running_ || !isInput(event->type()) || watched->isWindowType() || watched == exitButton_)
        return false;
    setAside_.emplace_back(watched, event->clone());
    return true;
}

void RunSession::handleSetAsideInput()
{
    // A click set aside may start a run of its own; what that run sets aside joins the queue,
    // and the rest waits for that run's end.
    while (!setAside_.empty() && !closing_ && !running_) {
        auto [target, event] = std::move(setAside_.front());
        setAside_.pop_front();
        if (target)
            QCoreApplication::sendEvent(target, event.get());
    }
}
