#include "app/KeyRule.h"

#include "window/form/Design.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWidget>

#include <string>

namespace {

// The desktop's keys by the names browsers give them, which the window's rule reads.
const char* nameOf(int key)
{
    struct Name {
        int key;
        const char* name;
    };
    static constexpr Name names[] = {
        {Qt::Key_Tab, "Tab"},          {Qt::Key_Backtab, "Tab"},       {Qt::Key_Return, "Enter"},
        {Qt::Key_Enter, "Enter"},      {Qt::Key_Space, " "},           {Qt::Key_Left, "ArrowLeft"},
        {Qt::Key_Right, "ArrowRight"}, {Qt::Key_Up, "ArrowUp"},        {Qt::Key_Down, "ArrowDown"},
        {Qt::Key_PageUp, "PageUp"},    {Qt::Key_PageDown, "PageDown"}, {Qt::Key_Home, "Home"},
        {Qt::Key_End, "End"},          {Qt::Key_Menu, "ContextMenu"},  {Qt::Key_F10, "F10"},
    };
    for (const Name& n : names) {
        if (n.key == key)
            return n.name;
    }
    return "";
}

} // namespace

KeyRule::KeyRule(QWidget* window, const window::State& state, std::function<void()> openMenu)
    : QObject(window)
    , window_(window)
    , state_(state)
    , openMenu_(std::move(openMenu))
{
    for (const window::Control& c : window::controls())
        window->findChild<QWidget*>(QString::fromUtf8(c.name))->installEventFilter(this);
}

window::Key KeyRule::keyOf(const QKeyEvent& event, bool repeated)
{
    const Qt::KeyboardModifiers m = event.modifiers();
    return {nameOf(event.key()),
            event.key() == Qt::Key_Backtab || m.testFlag(Qt::ShiftModifier),
            m.testFlag(Qt::ControlModifier),
            m.testFlag(Qt::AltModifier),
            m.testFlag(Qt::MetaModifier),
            event.isAutoRepeat() || repeated};
}

bool KeyRule::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const std::string control = watched->objectName().toStdString();
    if (event->type() == QEvent::KeyRelease) {
        // A release of a key the rule acts on on its press is the rule's too: a button would take
        // the release of Space for a click.
        released_ = {key.key(), key.timestamp()};
        return keyEffect(state_, control, keyOf(key)).does != window::KeyEffect::Does::Nothing;
    }
    const bool repeated = released_ == std::pair(key.key(), key.timestamp());
    const window::KeyEffect effect = keyEffect(state_, control, keyOf(key, repeated));
    perform(effect, keyOf(key).shift);
    if (effect.does == window::KeyEffect::Does::Nothing && key.key() == Qt::Key_F10 &&
        key.modifiers() == Qt::ShiftModifier)
        return askForOwnMenu(watched);
    return effect.does != window::KeyEffect::Does::Nothing;
}

// Shift+F10 where the control has a menu of its own (a text box): the window system hands it the
// request for a menu from the keyboard it hands it for the menu key, which Qt does not do for
// Shift+F10 by itself.
bool KeyRule::askForOwnMenu(QObject* control)
{
    auto* widget = static_cast<QWidget*>(control);
    const QPoint at = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &request);
    return true;
}

void KeyRule::perform(const window::KeyEffect& effect, bool backward)
{
    using enum window::KeyEffect::Does;
    QWidget* target = effect.control ? window_->findChild<QWidget*>(QString::fromUtf8(effect.control->name)) : nullptr;
    switch (effect.does) {
    case Focus:
        if (target)
            target->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        break;
    case Click:
        target->setFocus(Qt::OtherFocusReason);
        static_cast<QAbstractButton*>(target)->click();
        break;
    case Scroll: {
        auto* bar = static_cast<QScrollBar*>(target);
        bar->setValue(window::scrolled(bar->value(), effect.scroll));
        break;
    }
    case Menu:
        openMenu_();
        break;
    case Nothing:
    case Swallow:
        break;
    }
}
