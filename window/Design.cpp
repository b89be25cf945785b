#include "window/Design.h"

#include "sim/Scene.h"

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
// never shown.
// clang-format off
constexpr Control controlTable[] = {
    {"nAir", TextBox, nullptr, "Air", {3480, 1200, 615, 375}, times(14.25), Grey, Default, Left, false, 35, false, "Air"},
    {"HScroll1", ScrollBar, nullptr, "", {4200, 360, 2415, 255}, defaultFont, Default, Default, Left, false, 34, false, "Slowdown of the animation"},
    {"frmAnimace", Frame, nullptr, "Animace", {480, 6600, 1335, 1095}, msSansSerif, Grey, Black, Left, true, 30, false, "Animace"},
    {"opPomalá", Option, "frmAnimace", "Pomalá", {120, 720, 975, 255}, defaultFont, Grey, Default, Left, false, 33, false, nullptr},
    {"opPomalejší", Option, "frmAnimace", "Pomalejší", {120, 480, 1095, 255}, defaultFont, Grey, Default, Left, false, 32, false, nullptr},
    {"opRychlá", Option, "frmAnimace", "Rychlá", {120, 240, 855, 255}, defaultFont, Grey, Default, Left, false, 31, false, nullptr},
    {"nSpomaleni", TextBox, nullptr, "Spomalení", {5040, 720, 855, 375}, defaultFont, Default, Default, Left, true, 29, false, "Slowdown setting"},
    {"nCornuLatka", TextBox, nullptr, "Cornu spirals", {3240, 6600, 1815, 330}, times(12), LightGreen, ButtonText, Left, false, 28, false, "Cornu spirals of Detector S"},
    {"nVoda", TextBox, nullptr, "Water", {8160, 5280, 855, 285}, times(14.25), LightGreen, ButtonText, Centre, false, 27, false, "Water"},
    {"nSklo", TextBox, nullptr, "Glass", {8160, 5280, 855, 285}, times(14.25), LightGreen, ButtonText, Centre, false, 26, false, "Glass"},
    {"cmdKonec", Command, nullptr, "Exit", {8040, 0, 1215, 375}, times(18), Grey, Default, Centre, false, 24, false, "Exit"},
    {"nPravd2podobnost", TextBox, nullptr, "Interference pattern", {7440, 960, 2055, 285}, times(12), Grey, Black, Right, false, 23, false, "Interference pattern"},
    {"nCornuovySpirály", TextBox, nullptr, "Cornu spirals", {8280, 600, 1455, 255}, times(12), Grey, ButtonText, Right, false, 22, false, "Cornu spirals of Detector V"},
    {"nDetektorV", TextBox, nullptr, "Detector V", {5880, 1200, 1215, 285}, times(12), Grey, ButtonText, Left, false, 21, false, "Detector V"},
    {"nDetektorS", TextBox, nullptr, "Detector S", {8400, 6120, 1215, 255}, times(12), LightGreen, ButtonText, Centre, false, 20, false, "Detector S"},
    {"nDetektorH", TextBox, nullptr, "Detector H", {5640, 3840, 1215, 285}, times(12), Grey, ButtonText, Left, false, 19, false, "Detector H"},
    {"nTextIndex", TextBox, nullptr, "Refractive index", {360, 1200, 1695, 285}, times(12), Grey, ButtonText, Left, false, 18, false, "Refractive index"},
    {"frmDistance", Frame, nullptr, "Detector H distance", {240, 3120, 1935, 1335}, msSansSerif, Grey, Black, Left, false, 14, false, "Detector H distance"},
    {"opMaláDistance", Option, "frmDistance", "100", {1080, 960, 615, 255}, defaultFont, Grey, Default, Left, false, 17, false, nullptr},
    {"opStředníDistance", Option, "frmDistance", "750", {600, 600, 855, 255}, defaultFont, Grey, Default, Left, false, 16, false, nullptr},
    {"opVelkáDistance", Option, "frmDistance", "1500", {120, 240, 1335, 255}, defaultFont, Grey, Default, Left, false, 15, false, nullptr},
    {"nDistance", TextBox, nullptr, "nDistance", {2040, 3960, 495, 285}, defaultFont, Default, Default, Left, true, 13, false, "Detector H distance setting"},
    {"frmLátka", Frame, nullptr, "Substance", {480, 1800, 1215, 975}, msSansSerif, Grey, Black, Left, false, 10, false, "Substance"},
    {"opSklo", Option, "frmLátka", "Glass", {360, 600, 735, 255}, defaultFont, Grey, Default, Left, false, 12, false, nullptr},
    {"opVoda", Option, "frmLátka", "Water", {120, 240, 735, 255}, defaultFont, Grey, Default, Left, false, 11, false, nullptr},
    {"nIndex", TextBox, nullptr, "nIndex", {720, 1440, 855, 330}, times(14.25), Grey, ButtonText, Left, false, 9, true, "Refractive index"},
    {"nLátka", TextBox, nullptr, "nLátka", {2040, 120, 735, 285}, defaultFont, Default, Default, Left, true, 8, false, "Substance setting"},
    {"nAlfaCaption", TextBox, nullptr, "nAlfaCaption", {2880, 120, 735, 285}, defaultFont, Default, Default, Left, true, 7, false, "Incident angle setting"},
    {"frmDopad", Frame, nullptr, "Incident angle", {480, 5400, 1575, 1095}, msSansSerif, Grey, Black, Left, false, 3, false, "Incident angle"},
    {"opMenší", Option, "frmDopad", "35", {240, 240, 735, 195}, defaultFont, Grey, Default, Left, false, 6, false, nullptr},
    {"opVětší", Option, "frmDopad", "60", {480, 720, 615, 255}, defaultFont, Grey, Default, Left, false, 5, false, nullptr},
    {"opMezní", Option, "frmDopad", "Critical", {360, 480, 1095, 255}, defaultFont, Grey, Default, Left, false, 4, false, nullptr},
    {"nAlfa", TextBox, nullptr, "nAlfa", {960, 5040, 855, 330}, times(14.25), Grey, ButtonText, Left, false, 2, true, "Incident angle"},
    {"cmdStart", Command, nullptr, "Start", {6840, 0, 975, 375}, times(18), Grey, Default, Centre, false, 1, false, "Start"},
    {"nuUplnyOdraz", TextBox, nullptr, "Total reflection", {4440, 0, 2295, 375}, times(15.75), Grey, ButtonText, Left, false, 0, false, "Total reflection"},
    {"labKlepnete", Label, nullptr, "Please press button Start", {3240, 2880, 3975, 495}, times(18), Grey, Default, Centre, false, 25, false, "Please press button Start"},
};

// Each lies beside a line that every run draws: the tracks, the spiral base lines, the normal.
constexpr Line lineTable[] = {
    {"Line7", {3120, 840}, {3120, 7800}, 1, "Normal"},
    {"Line6", {9840, 600}, {9840, 7800}, 1, "Start line of Detector V's Cornu spirals"},
    {"Line5", {2880, 7080}, {11400, 7080}, 1, "Base line of Detector S's Cornu spirals"},
    {"Line4", {2880, 5040}, {11400, 5040}, 2, "Boundary"},
    {"Line3", {2880, 6480}, {11400, 6480}, 1, "Track of Detector S"},
    {"Line2", {7320, 720}, {7320, 7800}, 1, "Track of Detector V"},
    {"Line1", {2880, 3720}, {11400, 3720}, 1, "Track of Detector H"},
};
// clang-format on

constexpr WindowProperties window{"frmKavrona",   "Total reflection - " TR_HOMEPAGE, 11445, 8625, sim::grey,
                                  {"Arial", 8.25}};

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

std::string accessibleName(const Control& control)
{
    if (control.accessibleName)
        return control.accessibleName;
    const Control* frame = control.container ? findControl(control.container) : nullptr;
    if (!frame)
        return control.text;
    return std::string(frame->text) + ": " + control.text;
}

} // namespace window
