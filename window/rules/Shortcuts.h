#pragma once

#include "window/rules/Keys.h"

#include <span>
#include <string>

// What a key does anywhere in the desktop's window beside the drawing's menu's own actions
// (window/rules/Menu.h): each command declared once with its keys, which the desktop binds and the
// window's key rule reads.
namespace window {

enum class Command { ZoomIn, ZoomOut, OwnSize, FullScreen, Menu };

// A key as browsers name it ("F10", "+", "ContextMenu"), with the modifiers it needs.
struct Chord {
    const char* name{};
    bool control{};
    bool shift{};
};

struct Shortcut {
    Command command;
    Chord keys[2]; // a second way, or one with no name
};

std::span<const Shortcut> shortcuts();

// The chord as a desktop writes it, "Ctrl++" or "Shift+F10".
std::string desktopKeys(const Chord& chord);
// Whether a key pressed is one of a command's chords.
bool isCommand(Command command, const Key& key);

} // namespace window
