#pragma once

#include "surface/Surface.h"
#include "window/form/Glossary.h"
#include "window/form/Translate.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The window as it is designed: every control with its place in twips, caption, font, colours
// and tab stop, the seven line controls, the option groups and the window's own properties.
// Every front end builds its window from these, so that there is one table of the window.
// What the Czech names mean: window/form/Glossary.h. The English words shown or announced are marked
// for translation in the context designContext; the cells' texts are the program's data, and
// the hidden speed options keep their Czech captions, never shown.
namespace window {

enum class Kind { TextBox, ScrollBar, Frame, Option, Command, Label };
// A colour the design names; Default is the colour the front end gives that kind of control,
// ButtonText its colour of text on buttons.
enum class Tint { Default, Grey, LightGreen, Black, ButtonText };
enum class Align { Left, Centre, Right };

struct Point {
    int x{};
    int y{};
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left{};
    int top{};
    int width{};
    int height{};
};

// A set font is bold; a font with no family is the window's default font.
struct Font {
    const char* family{};
    double points{};
};

struct Control {
    const char* name;
    Kind kind;
    const char* container; // nullptr: the window; otherwise the frame the option stands in
    const char* text;      // caption or initial text
    Rect place;            // twips, from the top-left corner of the container
    Font font;
    Tint back;
    Tint fore;
    Align align;
    bool hidden;
    int tab;                    // position in the keyboard's tab order
    bool bordered;              // drawn as a box to type into
    const char* accessibleName; // nullptr for options: they are named after their frame
};

struct Line {
    const char* name;
    Point from;
    Point to;
    int width; // pixels
    const char* accessibleName;
};

struct WindowProperties {
    const char* name;
    const char* title;   // the program's name, translated
    const char* caption; // the title, then the program's address
    int clientWidth;     // twips
    int clientHeight;
    surface::Colour background;
    Font defaultFont; // of the options, the hidden cells and the scroll bar
};

// The scroll bar's positions: a 16-bit whole number, one step on an arrow, a tenth on a page.
inline constexpr int scrollMaximum = 32767;
inline constexpr int scrollPage = 3277;

// The slowdown the scroll bar sets at a position: the count of each step's pause.
inline constexpr double slowdownAt(double position)
{
    return position * 100 + 1;
}
// The scroll bar's position that sets a slowdown, the nearest where none sets it exactly.
int positionOfSlowdown(double slowdown);

// The most a text box holds, counted in UTF-16 code units as a line edit counts them; what is
// typed or pasted beyond it is cut off.
inline constexpr int textBoxLength = 32767;
// A box takes one code unit more than it holds, so that a paste too long for it is seen and
// refused by Start, never cut into another number.
inline constexpr int textBoxTakes = textBoxLength + 1;

inline constexpr surface::Colour black = 0x000000;

const WindowProperties& properties();
// In the order the window creates them.
std::span<const Control> controls();
// In the order the window creates them: all of them right after this control.
std::span<const Line> lines();
inline constexpr std::string_view linesFollow = name::nuUplnyOdraz;

// The button that runs and the one that ends the program: the focus starts on the first, and the
// second is heard even during a run. The prompt lies beneath the drawing: the first run paints
// over it, while every other control stands above the drawing.
inline constexpr const char* startButton = name::cmdStart;
inline constexpr const char* exitButton = name::cmdKonec;
inline constexpr const char* beneathDrawing = name::labKlepnete;

// The drawing of a run, as a screen reader announces it.
inline constexpr const char* drawingName = QT_TRANSLATE_NOOP("Design", "Drawing of the run");

// Nothing for a name that no control has.
const Control* findControl(std::string_view name);
const Line* findLine(std::string_view name);
// The colour a tint stands for; nothing for Default and ButtonText, which the front end gives.
std::optional<surface::Colour> colourOf(Tint tint);
// What a screen reader announces; an option with its group, "Substance: Water".
std::string accessibleName(const Control& control, const Translate& translate = {});
// The window's caption, its title in the user's language.
std::string caption(const Translate& translate = {});

} // namespace window
