#include "window/rules/Shortcuts.h"

namespace window {
namespace {

// Ctrl+= too, which is Ctrl+Plus without the Shift that '+' needs on many keyboards.
constexpr Shortcut table[] = {
    {Command::ZoomIn, {{"+", true}, {"=", true}}},
    {Command::ZoomOut, {{"-", true}, {}}},
    {Command::OwnSize, {{"0", true}, {}}},
    {Command::FullScreen, {{"F11"}, {}}},
    {Command::Menu, {{"ContextMenu"}, {"F10", false, true}}},
};

} // namespace

std::span<const Shortcut> shortcuts()
{
    return table;
}

std::string desktopKeys(const Chord& chord)
{
    const std::string name = chord.name;
    return std::string(chord.control ? "Ctrl+" : "") + (chord.shift ? "Shift+" : "") +
           (name == "ContextMenu" ? "Menu" : name);
}

bool isCommand(Command command, const Key& key)
{
    for (const Shortcut& s : table) {
        if (s.command != command)
            continue;
        for (const Chord& chord : s.keys) {
            if (chord.name && key.name == chord.name && key.control == chord.control && key.shift == chord.shift &&
                !key.alt && !key.meta)
                return true;
        }
    }
    return false;
}

} // namespace window
