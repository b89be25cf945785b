#pragma once

#include "window/form/Design.h"
#include "window/form/RunInput.h"
#include "window/form/State.h"
#include "window/rules/ScrollBar.h"

#include <string_view>

// What a key does in the window, the same on every front end, and the same whether it arrives now
// or is handed back after a run. Keys are named as browsers name them (a keyboard event's `key`):
// "Tab", "Enter", " ", "ArrowLeft", "PageUp", "Home", "ContextMenu", "F10" and the like; a desktop
// front end names its keys so once, where they come in.
namespace window {

struct Key {
    std::string_view name;
    bool shift{};
    bool control{};
    bool alt{};
    bool meta{};
    // The keyboard repeating a key held down.
    bool repeat{};
};

// The part a key plays in what waits during a run (window/form/RunInput.h).
Input::Key roleOf(const Key& key);
// Whether a key is the keyboard repeating a press of a button: a held key presses a button once.
bool heldPress(const Key& key);

struct KeyEffect {
    // Swallow: the key is the window's, and does nothing (a held Enter, an arrow beyond a group's
    // last option). Nothing: the key is not the window's, and the control has it (typing).
    enum class Does { Nothing, Swallow, Focus, Click, Scroll, Menu };
    Does does{Does::Nothing};
    // What to focus, or to click (which takes the focus too).
    const Control* control{};
    ScrollAction scroll{};
};

// What a key pressed at a control does. Tab and Shift+Tab move the focus along the tab order
// (window/rules/Focus.h); the menu key and Shift+F10 open the drawing's menu, but in a text box, which has
// a menu of its own; Enter and Space press a command button, Space an option; the arrows move
// within an option group, selecting as they go where the option they leave is selected; the scroll
// bar's keys move it (window/rules/ScrollBar.h). Anything else, and any key with Ctrl, Alt or Meta, is
// left to the control.
KeyEffect keyEffect(const State& state, std::string_view control, const Key& key);

} // namespace window
