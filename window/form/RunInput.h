#pragma once

#include <deque>
#include <optional>
#include <string_view>

namespace window {

// What the user does, described as far as a run cares: every front end describes its own events
// this way and follows the one rule below.
struct Input {
    // A press, release or move of a mouse, pen or finger; a key; anything else (a paste, a
    // menu, the wheel, an input method's text).
    enum class Kind { Pointer, Key, Other };
    // Tab and Shift+Tab move the focus; Enter, Return and Space press the button with the focus.
    enum class Key { Tab, Backtab, Press, Other };

    Kind kind{Kind::Other};
    // The control it is aimed at: under the pointer, or with the focus for a key; empty for
    // none of the window's controls.
    std::string_view control;
    Key key{Key::Other};
};

enum class Handling { Now, AfterRun };

// While a run draws, what the user does waits for the run's end, and is then handled in the
// order it came, at the control it was meant for, as if it had only just arrived: a key at the
// control that had the focus when it was pressed, but where a key handed back before it has opened
// a menu (the drawing's, or a text box's own), at the menu, which takes the keys after that one as
// it would have with no run. Three things
// do not wait: the window's close, Exit, whether pressed by pointer or by key, and moving the
// focus with Tab and Shift+Tab, so that Exit can be reached from the keyboard. The close is the
// front end's own; the rest is decided here.
Handling duringRun(const Input& input);

// What was set aside during a run, under tokens the front end keeps its events by. They come
// back in the order they came, and only while no run goes on: a replayed click on Start begins
// one, and the rest waits for its end.
class SetAside {
public:
    // Sets the input aside if it must wait; returns its token then.
    std::optional<int> keep(const Input& input, bool runGoing);
    // The next input to hand back; nothing while a run goes on or when none is left.
    std::optional<int> next(bool runGoing);
    // When the window closes, nothing set aside happens.
    void drop() { tokens_.clear(); }
    bool empty() const { return tokens_.empty(); }

private:
    std::deque<int> tokens_;
    int lastToken_{};
};

} // namespace window
