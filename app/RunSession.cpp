#include "app/RunSession.h"

#include "app/KeyRule.h"
#include "window/form/Design.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

namespace {

std::optional<window::Input::Kind> kindOf(QEvent::Type type)
{
    using Kind = window::Input::Kind;
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return Kind::Pointer;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return Kind::Key;
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
        return Kind::Other;
    default:
        return std::nullopt;
    }
}

window::Input::Key roleOf(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return window::Input::Key::Other;
    return window::roleOf(KeyRule::keyOf(static_cast<const QKeyEvent&>(*event)));
}

// The control of the design an event is aimed at: the widget itself or the one it belongs to.
std::string controlOf(QObject* watched)
{
    for (QObject* o = watched; o && o->isWidgetType(); o = o->parent()) {
        const std::string name = o->objectName().toStdString();
        if (window::findControl(name))
            return name;
    }
    return {};
}

// Where a key handed back goes: to the menu a key before it opened, or where it was meant to go.
QObject* keyTarget(QObject* kept)
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    return kept;
}

} // namespace

RunSession::RunSession(QWidget* window, window::Form& form, std::function<void()> frameDrawn,
                       std::function<void(const window::FrameDone&)> ended)
    : QObject(window)
    , window_(window)
    , form_(form)
    , frameDrawn_(std::move(frameDrawn))
    , ended_(std::move(ended))
{
    // The next frame as soon as the event loop has shown this one and handled what came meanwhile.
    frames_.setInterval(0);
    connect(&frames_, &QTimer::timeout, this, &RunSession::frame);
}

void RunSession::begin()
{
    // While the run draws, what the user does passes by the session first.
    QCoreApplication::instance()->installEventFilter(this);
    frame();
    if (form_.running())
        frames_.start();
}

void RunSession::close()
{
    closing_ = true;
    stop();
    form_.Form_Unload();
    setAside_.clear();
}

void RunSession::frame()
{
    const window::FrameDone done = form_.frame();
    frameDrawn_();
    if (done.more)
        return;
    stop();
    ended_(done);
    if (done.handBack)
        QMetaObject::invokeMethod(this, &RunSession::handBack, Qt::QueuedConnection);
}

void RunSession::stop()
{
    frames_.stop();
    QCoreApplication::instance()->removeEventFilter(this);
}

bool RunSession::eventFilter(QObject* watched, QEvent* event)
{
    // Input reaches the window first and is then passed on to a widget: it waits at the widget.
    const std::optional<window::Input::Kind> kind = kindOf(event->type());
    if (!form_.running() || !kind || watched->isWindowType())
        return false;
    const std::string control = controlOf(watched);
    const std::optional<int> token = form_.setAside({*kind, control, roleOf(event)});
    if (!token)
        return false;
    setAside_.emplace(*token, std::pair(QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone())));
    return true;
}

void RunSession::handBack()
{
    // As if it had only just arrived. A click handed back may begin a run of its own; the rest
    // then waits for that run's end.
    while (!closing_) {
        const std::optional<int> token = form_.nextSetAside();
        if (!token)
            return;
        const auto kept = setAside_.extract(*token);
        if (kept.empty() || !kept.mapped().first)
            continue;
        const auto& [widget, event] = kept.mapped();
        const bool key = kindOf(event->type()) == window::Input::Kind::Key;
        QCoreApplication::sendEvent(key ? keyTarget(widget) : widget.data(), event.get());
    }
}
