#pragma once

#include "window/formats/FileFormat.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The drawing's menu: what a run made, handed out, as one table that every front end builds its
// menu and its keys from, in the table's order. The picture is copied or saved (at the screen's
// resolution, or at twice it, drawn afresh), the readings copied as a table in the window's
// language or saved as a file, and a lesson made of the run: a worksheet with its answer key,
// saved as a PDF on the desktop and printed by the browser on the page, and on the page a link
// that opens the run again.
namespace window {

// The words of the menu, its dialogs and its messages are translated in this context.
inline constexpr const char* menuContext = "Menu";

enum class Handed { Picture, Readings, Worksheet, Link };
enum class Way { Copy, Save, Print };
// The front ends that offer an action: a page has an address to link to and a browser that
// prints; the desktop saves the worksheet as a file.
enum class View { Desktop, Page };
// Where a save dialog first proposes to put a file of a kind.
enum class Folder { Pictures, Documents };

// A kind of file the menu saves: its format, extension and media type, the save dialog's words for
// it, where the dialog first looks, and the words that say it could not be saved.
struct FileKind {
    Format format;
    const char* extension;
    const char* mediaType;
    const char* dialogTitle;
    const char* filter; // "PNG pictures (*.png)"
    Folder folder;
    const char* notSaved; // %1 the file, %2 why
};

struct MenuAction {
    Handed what;
    Way how;
    const char* words;
    // The keys that do it anywhere in the window, written as a desktop names them ("Ctrl+Shift+C");
    // empty for none.
    const char* keys;
    // A line stands between two groups.
    int group;
    // Of a save; nullptr for a copy.
    const FileKind* file;
    // A picture's resolution, times the screen's.
    double scale;
    // Whether it hands out what only a run has: the readings. Before the first run it is not
    // offered.
    bool needsRun;
    // On one front end only; on both where empty.
    std::optional<View> only{};
};

// The menu of a front end, in the table's order.
std::span<const MenuAction> menu(View view);

// The name a save proposes for what the window shows, named `name` ("water-35-750"): a picture at
// twice the resolution "water-35-750@2x.png".
std::string fileNameFor(const MenuAction& action, std::string_view name);

} // namespace window
