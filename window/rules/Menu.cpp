#include "window/rules/Menu.h"

#include "window/form/Translate.h"

#include <vector>

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

constexpr FileKind pdf{Format::Pdf,
                       extensionOf(Format::Pdf),
                       "application/pdf",
                       QT_TRANSLATE_NOOP("Menu", "Save worksheet"),
                       QT_TRANSLATE_NOOP("Menu", "PDF documents (*.pdf)"),
                       Folder::Documents,
                       QT_TRANSLATE_NOOP("Menu", "The worksheet could not be saved as \u201C%1\u201D.\n\n%2")};

// clang-format off
constexpr MenuAction actions[] = {
    {Handed::Picture, Way::Copy, QT_TRANSLATE_NOOP("Menu", "Copy picture"), "Ctrl+C", 0, nullptr, 1, false},
    {Handed::Picture, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save picture\u2026"), "Ctrl+S", 0, &png, 1, false},
    {Handed::Picture, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save picture at twice the resolution\u2026"),
     "Ctrl+Shift+S", 0, &png, 2, false},
    {Handed::Readings, Way::Copy, QT_TRANSLATE_NOOP("Menu", "Copy readings"), "Ctrl+Shift+C", 1, nullptr, 1, true},
    {Handed::Readings, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save readings\u2026"), "", 1, &xlsx, 1, true},
    {Handed::Readings, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save readings as CSV\u2026"), "", 1, &csv, 1, true},
    {Handed::Worksheet, Way::Save, QT_TRANSLATE_NOOP("Menu", "Save worksheet\u2026"), "", 2, &pdf, 1, true,
     View::Desktop},
    {Handed::Worksheet, Way::Print, QT_TRANSLATE_NOOP("Menu", "Print worksheet\u2026"), "", 2, nullptr, 1, true,
     View::Page},
    {Handed::Link, Way::Copy, QT_TRANSLATE_NOOP("Menu", "Copy link to this run"), "", 2, nullptr, 1, true,
     View::Page},
};
// clang-format on

std::vector<MenuAction> offeredOn(View view)
{
    std::vector<MenuAction> offered;
    for (const MenuAction& a : actions)
        if (!a.only || *a.only == view)
            offered.push_back(a);
    return offered;
}

} // namespace

std::span<const MenuAction> menu(View view)
{
    // Each front end's rows, kept for as long as its menu lives: its actions point at them.
    static const std::vector<MenuAction> desktop = offeredOn(View::Desktop);
    static const std::vector<MenuAction> page = offeredOn(View::Page);
    return view == View::Desktop ? desktop : page;
}

std::string fileNameFor(const MenuAction& action, std::string_view name)
{
    // A picture at another resolution says so, as a screen's pictures are named.
    const std::string scale = action.scale == 1 ? "" : "@" + std::to_string(int(action.scale)) + "x";
    return std::string(name) + scale + "." + (action.file ? action.file->extension : "");
}

} // namespace window
