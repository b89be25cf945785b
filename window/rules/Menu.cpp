#include "window/rules/Menu.h"

#include "window/form/Translate.h"

namespace window {
namespace {

constexpr const char* readingsNotSaved =
    QT_TRANSLATE_NOOP("Menu", "The readings could not be saved as \u201C%1\u201D.\n\n%2");

constexpr FileKind png{Format::Png,
                       extensionOf(Format::Png),
                       "image/png",
                       QT_TRANSLATE_NOOP("Menu", "Save picture"),
                       QT_TRANSLATE_NOOP("Menu", "PNG pictures (*.png)"),
                       Folder::Pictures,
                       QT_TRANSLATE_NOOP("Menu", "The picture could not be saved as \u201C%1\u201D.\n\n%2")};
constexpr FileKind xlsx{Format::Workbook,
                        extensionOf(Format::Workbook),
                        "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
                        QT_TRANSLATE_NOOP("Menu", "Save readings"),
                        QT_TRANSLATE_NOOP("Menu", "Workbooks (*.xlsx)"),
                        Folder::Documents,
                        readingsNotSaved};
constexpr FileKind csv{Format::Csv,
                       extensionOf(Format::Csv),
                       "text/csv",
                       QT_TRANSLATE_NOOP("Menu", "Save readings as CSV"),
                       QT_TRANSLATE_NOOP("Menu", "CSV files (*.csv)"),
                       Folder::Documents,
                       readingsNotSaved};

// clang-format off
constexpr MenuAction actions[] = {
    {Handed::Picture, Way::Copy, QT_TRANSLATE_NOOP("Menu", "Copy picture"), "Ctrl+C", 0, nullptr, 1, false},
    {Handed::Picture, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save picture\u2026"), "Ctrl+S", 0, &png, 1, false},
    {Handed::Picture, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save picture at twice the resolution\u2026"),
     "Ctrl+Shift+S", 0, &png, 2, false},
    {Handed::Readings, Way::Copy, QT_TRANSLATE_NOOP("Menu", "Copy readings"), "Ctrl+Shift+C", 1, nullptr, 1, true},
    {Handed::Readings, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save readings\u2026"), "", 1, &xlsx, 1, true},
    {Handed::Readings, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save readings as CSV\u2026"), "", 1, &csv, 1, true},
};
// clang-format on

} // namespace

std::span<const MenuAction> menu()
{
    return actions;
}

std::string fileNameFor(const MenuAction& action, std::string_view name)
{
    // A picture at another resolution says so, as a screen's pictures are named.
    const std::string scale = action.scale == 1 ? "" : "@" + std::to_string(int(action.scale)) + "x";
    return std::string(name) + scale + "." + (action.file ? action.file->extension : "");
}

} // namespace window
