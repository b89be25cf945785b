#include "window/form/Design.h"

#include "sim/Scene.h"
#include "window/form/Glossary.h"

namespace window {
namespace {

constexpr Font defaultFont{};
constexpr Font times(double points)
{
    return {"Times New Roman", points};
}
constexpr Font msSansSerif{"MS Sans Serif", 8.25};

using enum Kind;
using enum Tint;
using enum Align;

// In the order the window creates them; the lines come right after nuUplnyOdraz. Boxes that only
// caption the drawing are named by their text for screen readers; the two "Cornu spirals" say
// whose spirals they caption, so that the two can be told apart by ear. The settings' cells are
// never shown. The English words are marked for translation; the cells' texts and the numbers
// are the program's data, and the hidden speed options' words are never seen.
// clang-format off
constexpr Control controlTable[] = {
    {name::nAir, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Air"), {3480, 1200, 615, 375}, times(14.25), Grey, Default, Left, false, 35, false, QT_TRANSLATE_NOOP("Design", "Air")},
    {name::HScroll1, ScrollBar, nullptr, "", {4200, 360, 2415, 255}, defaultFont, Default, Default, Left, false, 34, false, QT_TRANSLATE_NOOP("Design", "Slowdown of the animation")},
    {name::frmAnimace, Frame, nullptr, "Animace", {480, 6600, 1335, 1095}, msSansSerif, Grey, Black, Left, true, 30, false, "Animace"},
    {name::opPomalá, Option, name::frmAnimace, "Pomalá", {120, 720, 975, 255}, defaultFont, Grey, Default, Left, false, 33, false, nullptr},
    {name::opPomalejší, Option, name::frmAnimace, "Pomalejší", {120, 480, 1095, 255}, defaultFont, Grey, Default, Left, false, 32, false, nullptr},
    {name::opRychlá, Option, name::frmAnimace, "Rychlá", {120, 240, 855, 255}, defaultFont, Grey, Default, Left, false, 31, false, nullptr},
    {name::nSpomaleni, TextBox, nullptr, "Spomalení", {5040, 720, 855, 375}, defaultFont, Default, Default, Left, true, 29, false, QT_TRANSLATE_NOOP("Design", "Slowdown setting")},
    {name::nCornuLatka, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Cornu spirals"), {3240, 6600, 1815, 330}, times(12), LightGreen, ButtonText, Left, false, 28, false, QT_TRANSLATE_NOOP("Design", "Cornu spirals of Detector S")},
    {name::nVoda, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Water"), {8160, 5280, 855, 285}, times(14.25), LightGreen, ButtonText, Centre, false, 27, false, QT_TRANSLATE_NOOP("Design", "Water")},
    {name::nSklo, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Glass"), {8160, 5280, 855, 285}, times(14.25), LightGreen, ButtonText, Centre, false, 26, false, QT_TRANSLATE_NOOP("Design", "Glass")},
    {name::cmdKonec, Command, nullptr, QT_TRANSLATE_NOOP("Design", "Exit"), {8040, 0, 1215, 375}, times(18), Grey, Default, Centre, false, 24, false, QT_TRANSLATE_NOOP("Design", "Exit")},
    {name::nPravd2podobnost, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Interference pattern"), {7440, 960, 2055, 285}, times(12), Grey, Black, Right, false, 23, false, QT_TRANSLATE_NOOP("Design", "Interference pattern")},
    {name::nCornuovySpirály, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Cornu spirals"), {8280, 600, 1455, 255}, times(12), Grey, ButtonText, Right, false, 22, false, QT_TRANSLATE_NOOP("Design", "Cornu spirals of Detector V")},
    {name::nDetektorV, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Detector V"), {5880, 1200, 1215, 285}, times(12), Grey, ButtonText, Left, false, 21, false, QT_TRANSLATE_NOOP("Design", "Detector V")},
    {name::nDetektorS, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Detector S"), {8400, 6120, 1215, 255}, times(12), LightGreen, ButtonText, Centre, false, 20, false, QT_TRANSLATE_NOOP("Design", "Detector S")},
    {name::nDetektorH, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Detector H"), {5640, 3840, 1215, 285}, times(12), Grey, ButtonText, Left, false, 19, false, QT_TRANSLATE_NOOP("Design", "Detector H")},
    {name::nTextIndex, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Refractive index"), {360, 1200, 1695, 285}, times(12), Grey, ButtonText, Left, false, 18, false, QT_TRANSLATE_NOOP("Design", "Refractive index")},
    {name::frmDistance, Frame, nullptr, QT_TRANSLATE_NOOP("Design", "Detector H distance"), {240, 3120, 1935, 1335}, msSansSerif, Grey, Black, Left, false, 14, false, QT_TRANSLATE_NOOP("Design", "Detector H distance")},
    {name::opMaláDistance, Option, name::frmDistance, "100", {1080, 960, 615, 255}, defaultFont, Grey, Default, Left, false, 17, false, nullptr},
    {name::opStředníDistance, Option, name::frmDistance, "750", {600, 600, 855, 255}, defaultFont, Grey, Default, Left, false, 16, false, nullptr},
    {name::opVelkáDistance, Option, name::frmDistance, "1500", {120, 240, 1335, 255}, defaultFont, Grey, Default, Left, false, 15, false, nullptr},
    {name::nDistance, TextBox, nullptr, name::nDistance, {2040, 3960, 495, 285}, defaultFont, Default, Default, Left, true, 13, false, QT_TRANSLATE_NOOP("Design", "Detector H distance setting")},
    {name::frmLátka, Frame, nullptr, QT_TRANSLATE_NOOP("Design", "Substance"), {480, 1800, 1215, 975}, msSansSerif, Grey, Black, Left, false, 10, false, QT_TRANSLATE_NOOP("Design", "Substance")},
    {name::opSklo, Option, name::frmLátka, QT_TRANSLATE_NOOP("Design", "Glass"), {360, 600, 735, 255}, defaultFont, Grey, Default, Left, false, 12, false, nullptr},
    {name::opVoda, Option, name::frmLátka, QT_TRANSLATE_NOOP("Design", "Water"), {120, 240, 735, 255}, defaultFont, Grey, Default, Left, false, 11, false, nullptr},
    {name::nIndex, TextBox, nullptr, name::nIndex, {720, 1440, 855, 330}, times(14.25), Grey, ButtonText, Left, false, 9, true, QT_TRANSLATE_NOOP("Design", "Refractive index")},
    {name::nLátka, TextBox, nullptr, name::nLátka, {2040, 120, 735, 285}, defaultFont, Default, Default, Left, true, 8, false, QT_TRANSLATE_NOOP("Design", "Substance setting")},
    {name::nAlfaCaption, TextBox, nullptr, name::nAlfaCaption, {2880, 120, 735, 285}, defaultFont, Default, Default, Left, true, 7, false, QT_TRANSLATE_NOOP("Design", "Incident angle setting")},
    {name::frmDopad, Frame, nullptr, QT_TRANSLATE_NOOP("Design", "Incident angle"), {480, 5400, 1575, 1095}, msSansSerif, Grey, Black, Left, false, 3, false, QT_TRANSLATE_NOOP("Design", "Incident angle")},
    {name::opMenší, Option, name::frmDopad, "35", {240, 240, 735, 195}, defaultFont, Grey, Default, Left, false, 6, false, nullptr},
    {name::opVětší, Option, name::frmDopad, "60", {480, 720, 615, 255}, defaultFont, Grey, Default, Left, false, 5, false, nullptr},
    {name::opMezní, Option, name::frmDopad, QT_TRANSLATE_NOOP("Design", "Critical"), {360, 480, 1095, 255}, defaultFont, Grey, Default, Left, false, 4, false, nullptr},
    {name::nAlfa, TextBox, nullptr, name::nAlfa, {960, 5040, 855, 330}, times(14.25), Grey, ButtonText, Left, false, 2, true, QT_TRANSLATE_NOOP("Design", "Incident angle")},
    {name::cmdStart, Command, nullptr, QT_TRANSLATE_NOOP("Design", "Start"), {6840, 0, 975, 375}, times(18), Grey, Default, Centre, false, 1, false, QT_TRANSLATE_NOOP("Design", "Start")},
    {name::nuUplnyOdraz, TextBox, nullptr, QT_TRANSLATE_NOOP("Design", "Total reflection"), {4440, 0, 2295, 375}, times(15.75), Grey, ButtonText, Left, false, 0, false, QT_TRANSLATE_NOOP("Design", "Total reflection")},
    {name::labKlepnete, Label, nullptr, QT_TRANSLATE_NOOP("Design", "Please press button Start"), {3240, 2880, 3975, 495}, times(18), Grey, Default, Centre, false, 25, false, QT_TRANSLATE_NOOP("Design", "Please press button Start")},
};

// Each lies beside a line that every run draws: the tracks, the spiral base lines, the normal.
constexpr Line lineTable[] = {
    {name::Line7, {3120, 840}, {3120, 7800}, 1, QT_TRANSLATE_NOOP("Design", "Normal")},
    {name::Line6, {9840, 600}, {9840, 7800}, 1, QT_TRANSLATE_NOOP("Design", "Start line of Detector V's Cornu spirals")},
    {name::Line5, {2880, 7080}, {11400, 7080}, 1, QT_TRANSLATE_NOOP("Design", "Base line of Detector S's Cornu spirals")},
    {name::Line4, {2880, 5040}, {11400, 5040}, 2, QT_TRANSLATE_NOOP("Design", "Boundary")},
    {name::Line3, {2880, 6480}, {11400, 6480}, 1, QT_TRANSLATE_NOOP("Design", "Track of Detector S")},
    {name::Line2, {7320, 720}, {7320, 7800}, 1, QT_TRANSLATE_NOOP("Design", "Track of Detector V")},
    {name::Line1, {2880, 3720}, {11400, 3720}, 1, QT_TRANSLATE_NOOP("Design", "Track of Detector H")},
};
// clang-format on

// The program's name, which the caption follows with the program's address.
#define TR_TITLE QT_TRANSLATE_NOOP("Design", "Total reflection")
constexpr WindowProperties window{name::frmKavrona, TR_TITLE,       TR_TITLE " - " TR_HOMEPAGE, 11445, 8625,
                                  sim::grey,        {"Arial", 8.25}};
#undef TR_TITLE

} // namespace

const WindowProperties& properties()
{
    return window;
}

std::span<const Control> controls()
{
    return controlTable;
}

std::span<const Line> lines()
{
    return lineTable;
}

const Control* findControl(std::string_view name)
{
    for (const Control& c : controlTable) {
        if (name == c.name)
            return &c;
    }
    return nullptr;
}

const Line* findLine(std::string_view name)
{
    for (const Line& l : lineTable) {
        if (name == l.name)
            return &l;
    }
    return nullptr;
}

std::optional<surface::Colour> colourOf(Tint tint)
{
    switch (tint) {
    case Grey:
        return sim::grey;
    case LightGreen:
        return sim::lightGreen;
    case Black:
        return black;
    case ButtonText:
    case Default:
        break;
    }
    return std::nullopt;
}

std::string accessibleName(const Control& control, const Translate& translate)
{
    const auto inLanguage = [&translate](const char* text) { return translated(translate, designContext, text); };
    if (control.accessibleName)
        return inLanguage(control.accessibleName);
    const Control* frame = control.container ? findControl(control.container) : nullptr;
    if (!frame)
        return inLanguage(control.text);
    return inLanguage(frame->text) + ": " + inLanguage(control.text);
}

std::string caption(const Translate& translate)
{
    // Only the title is words; the address stays as it is.
    const std::string_view address = std::string_view(window.caption).substr(std::string_view(window.title).size());
    return translated(translate, designContext, window.title) + std::string(address);
}

int positionOfSlowdown(double slowdown)
{
    // The slowdown grows with the position: the first position that sets as much, or the one
    // before it where that is nearer.
    int low = 0;
    int high = scrollMaximum;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (slowdownAt(middle) < slowdown)
            low = middle + 1;
        else
            high = middle;
    }
    if (low > 0 && slowdown - slowdownAt(low - 1) < slowdownAt(low) - slowdown)
        return low - 1;
    return low;
}

} // namespace window
