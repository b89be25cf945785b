#pragma once

#include "window/rules/Keys.h"

#include <QObject>

#include <functional>
#include <optional>

class QKeyEvent;
class QWidget;

// The window's keys on the desktop: a key that reaches one of the window's controls is named as
// the window's rule names keys, and does what the rule says (window/rules/Keys.h), whether it comes now
// or is handed back after a run.
class KeyRule final : public QObject {
public:
    // `openMenu` opens the drawing's menu, as the menu key and Shift+F10 ask.
    KeyRule(QWidget* window, const window::State& state, std::function<void()> openMenu);

    // A key as the rule names it. The window system marks a key the keyboard repeats as released
    // and pressed again at the same moment; where it has not seen the two together, it passes them
    // on as a plain release and press, which the same moment still gives away.
    static window::Key keyOf(const QKeyEvent& event, bool repeated = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void perform(const window::KeyEffect& effect, bool backward);
    static bool askForOwnMenu(QObject* control);

    QWidget* window_;
    const window::State& state_;
    std::function<void()> openMenu_;
    // The key last released, and when.
    std::optional<std::pair<int, quint64>> released_;
};
