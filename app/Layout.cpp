#include "app/Layout.h"

#include "app/LineControl.h"
#include "app/Twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <optional>
#include <vector>

namespace layout {
namespace {

enum class Kind { TextBox, ScrollBar, Frame, Option, Command, Label };
enum class Tint { Default, Grey, LightGreen, Black, ButtonText };

struct Font {
    const char* family{}; // nullptr: the window's default font
    double points{};
};

constexpr Font defaultFont{};
constexpr Font times(double points)
{
    return {"Times New Roman", points};
}
constexpr Font msSansSerif{"MS Sans Serif", 8.25};

struct Control {
    const char* name;
    Kind kind;
    const char* container; // nullptr: the window
    const char* text;
    int left, top, width, height;
    Font font;
    Tint back;
    Tint fore;
    Qt::Alignment alignment;
    bool hidden;
    int tab;
    bool bordered = false;
};

constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment centred = Qt::AlignCenter;
constexpr Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

using enum Kind;
using enum Tint;

// In the order the window creates them; lines come after nuUplnyOdraz (see below).
// clang-format off
const Control controls[] = {
    {"nAir", TextBox, nullptr, "Air", 3480, 1200, 615, 375, times(14.25), Grey, Default, left, false, 35},
    {"HScroll1", ScrollBar, nullptr, "", 4200, 360, 2415, 255, defaultFont, Default, Default, left, false, 34},
    {"frmAnimace", Frame, nullptr, "Animace", 480, 6600, 1335, 1095, msSansSerif, Grey, Black, left, true, 30},
    {"opPomalá", Option, "frmAnimace", "Pomalá", 120, 720, 975, 255, defaultFont, Grey, Default, left, false, 33},
    {"opPomalejší", Option, "frmAnimace", "Pomalejší", 120, 480, 1095, 255, defaultFont, Grey, Default, left, false,
     32},
    {"opRychlá", Option, "frmAnimace", "Rychlá", 120, 240, 855, 255, defaultFont, Grey, Default, left, false, 31},
    {"nSpomaleni", TextBox, nullptr, "Spomalení", 5040, 720, 855, 375, defaultFont, Default, Default, left, true, 29},
    {"nCornuLatka", TextBox, nullptr, "Cornu spirals", 3240, 6600, 1815, 330, times(12), LightGreen, ButtonText, left,
     false, 28},
    {"nVoda", TextBox, nullptr, "Water", 8160, 5280, 855, 285, times(14.25), LightGreen, ButtonText, centred, false, 27},
    {"nSklo", TextBox, nullptr, "Glass", 8160, 5280, 855, 285, times(14.25), LightGreen, ButtonText, centred, false, 26},
    {"cmdKonec", Command, nullptr, "Exit", 8040, 0, 1215, 375, times(18), Grey, Default, centred, false, 24},
    {"nPravd2podobnost", TextBox, nullptr, "Interference pattern", 7440, 960, 2055, 285, times(12), Grey, Black, right,
     false, 23},
    {"nCornuovySpirály", TextBox, nullptr, "Cornu spirals", 8280, 600, 1455, 255, times(12), Grey, ButtonText, right,
     false, 22},
    {"nDetektorV", TextBox, nullptr, "Detector V", 5880, 1200, 1215, 285, times(12), Grey, ButtonText, left, false, 21},
    {"nDetektorS", TextBox, nullptr, "Detector S", 8400, 6120, 1215, 255, times(12), LightGreen, ButtonText, centred,
     false, 20},
    {"nDetektorH", TextBox, nullptr, "Detector H", 5640, 3840, 1215, 285, times(12), Grey, ButtonText, left, false, 19},
    {"nTextIndex", TextBox, nullptr, "Refractive index", 360, 1200, 1695, 285, times(12), Grey, ButtonText, left, false,
     18},
    {"frmDistance", Frame, nullptr, "Detector H distance", 240, 3120, 1935, 1335, msSansSerif, Grey, Black, left, false,
     14},
    {"opMaláDistance", Option, "frmDistance", "100", 1080, 960, 615, 255, defaultFont, Grey, Default, left, false, 17},
    {"opStředníDistance", Option, "frmDistance", "750", 600, 600, 855, 255, defaultFont, Grey, Default, left, false, 16},
    {"opVelkáDistance", Option, "frmDistance", "1500", 120, 240, 1335, 255, defaultFont, Grey, Default, left, false, 15},
    {"nDistance", TextBox, nullptr, "nDistance", 2040, 3960, 495, 285, defaultFont, Default, Default, left, true, 13},
    {"frmLátka", Frame, nullptr, "Substance", 480, 1800, 1215, 975, msSansSerif, Grey, Black, left, false, 10},
    {"opSklo", Option, "frmLátka", "Glass", 360, 600, 735, 255, defaultFont, Grey, Default, left, false, 12},
    {"opVoda", Option, "frmLátka", "Water", 120, 240, 735, 255, defaultFont, Grey, Default, left, false, 11},
    {"nIndex", TextBox, nullptr, "nIndex", 720, 1440, 855, 330, times(14.25), Grey, ButtonText, left, false, 9, true},
    {"nLátka", TextBox, nullptr, "nLátka", 2040, 120, 735, 285, defaultFont, Default, Default, left, true, 8},
    {"nAlfaCaption", TextBox, nullptr, "nAlfaCaption", 2880, 120, 735, 285, defaultFont, Default, Default, left, true,
     7},
    {"frmDopad", Frame, nullptr, "Incident angle", 480, 5400, 1575, 1095, msSansSerif, Grey, Black, left, false, 3},
    {"opMenší", Option, "frmDopad", "35", 240, 240, 735, 195, defaultFont, Grey, Default, left, false, 6},
    {"opVětší", Option, "frmDopad", "60", 480, 720, 615, 255, defaultFont, Grey, Default, left, false, 5},
    {"opMezní", Option, "frmDopad", "Critical", 360, 480, 1095, 255, defaultFont, Grey, Default, left, false, 4},
    {"nAlfa", TextBox, nullptr, "nAlfa", 960, 5040, 855, 330, times(14.25), Grey, ButtonText, left, false, 2, true},
    {"cmdStart", Command, nullptr, "Start", 6840, 0, 975, 375, times(18), Grey, Default, centred, false, 1},
    {"nuUplnyOdraz", TextBox, nullptr, "Total reflection", 4440, 0, 2295, 375, times(15.75), Grey, ButtonText, left,
     false, 0},
    {"labKlepnete", Label, nullptr, "Please press button Start", 3240, 2880, 3975, 495, times(18), Grey, Default,
     centred, false, 25},
};
// clang-format on

struct Line {
    const char* name;
    QPoint from;
    QPoint to;
    int width;
};

// Each lies beside a line that every run draws: the tracks, the spiral base lines, the normal.
const Line lines[] = {
    {"Line7", {3120, 840}, {3120, 7800}, 1},   {"Line6", {9840, 600}, {9840, 7800}, 1},
    {"Line5", {2880, 7080}, {11400, 7080}, 1}, {"Line4", {2880, 5040}, {11400, 5040}, 2},
    {"Line3", {2880, 6480}, {11400, 6480}, 1}, {"Line2", {7320, 720}, {7320, 7800}, 1},
    {"Line1", {2880, 3720}, {11400, 3720}, 1},
};

constexpr QColor grey{0xC0, 0xC0, 0xC0};
constexpr QColor lightGreen{0xC0, 0xFF, 0xC0};

// The design's own light colours, whatever the desktop's theme: a dark theme's pale text would
// be unreadable on the design's grey and light green. Every control takes its default colours
// from the window's palette.
QPalette designPalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, grey);
    return palette;
}

std::optional<QColor> colourOf(Tint tint)
{
    switch (tint) {
    case Grey:
        return grey;
    case LightGreen:
        return lightGreen;
    case Black:
        return QColor(Qt::black);
    case ButtonText:
        return designPalette().color(QPalette::ButtonText);
    case Default:
        break;
    }
    return std::nullopt;
}

QWidget* create(const Control& c, QWidget* container)
{
    switch (c.kind) {
    case TextBox: {
        auto* box = new QLineEdit(QString::fromUtf8(c.text), container);
        box->setAlignment(c.alignment);
        // Only the two boxes meant for typing look like input fields; the captions on the
        // drawing are plain text, which also leaves their words the whole width.
        box->setFrame(c.bordered);
        if (!c.bordered) {
            // A frameless caption gets its box's whole width: the line edit's own inner margin
            // would otherwise clip the widest of them ("Interference pattern").
            box->setTextMargins(-3, 0, -3, 0);
        }
        return box;
    }
    case ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, container);
        // The pace can be set from the keyboard too, the right arrow moving the bar right.
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setInvertedControls(false);
        // A 16-bit position; one step on an arrow, a tenth of the range on a page.
        bar->setRange(0, 32767);
        bar->setSingleStep(1);
        bar->setPageStep(3277);
        return bar;
    }
    case Frame:
        return new QGroupBox(QString::fromUtf8(c.text), container);
    case Option:
        return new QRadioButton(QString::fromUtf8(c.text), container);
    case Command:
        return new QPushButton(QString::fromUtf8(c.text), container);
    case Label: {
        auto* label = new QLabel(QString::fromUtf8(c.text), container);
        label->setAlignment(c.alignment);
        return label;
    }
    }
    return nullptr;
}

void paint(QWidget* widget, Kind kind, Tint back, Tint fore)
{
    QPalette palette = widget->palette();
    if (const auto colour = colourOf(back)) {
        palette.setColor(widget->backgroundRole(), *colour);
        widget->setAutoFillBackground(kind != TextBox);
    }
    if (const auto colour = colourOf(fore))
        palette.setColor(widget->foregroundRole(), *colour);
    widget->setPalette(palette);
}

void setFont(QWidget* widget, const Font& font, const QFont& windowFont)
{
    if (!font.family) {
        // Every property set explicitly, so that an option keeps the window's font rather
        // than inheriting its frame's bold caption font.
        QFont f(windowFont.family());
        f.setPointSizeF(windowFont.pointSizeF());
        f.setBold(false);
        widget->setFont(f);
        return;
    }
    QFont f(QString::fromUtf8(font.family));
    f.setPointSizeF(font.points);
    f.setBold(true);
    widget->setFont(f);
}

} // namespace

void prepareWindow(QWidget* window)
{
    window->setObjectName(QStringLiteral("frmKavrona"));
    window->setWindowTitle(QStringLiteral("Total reflection - ") + QStringLiteral(TR_HOMEPAGE));
    window->setFixedSize(twips::toPixels(clientWidth), twips::toPixels(clientHeight));
    window->setPalette(designPalette());
    window->setAutoFillBackground(true);
    // The default font of the options, the hidden cells and the scroll bar: a narrow sans face,
    // so that the options' captions fit their small boxes.
    QFont defaultFont(QStringLiteral("Arial"));
    defaultFont.setPointSizeF(8.25);
    window->setFont(defaultFont);
}

void createControls(QWidget* window)
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const Control& c : controls) {
        QWidget* container = c.container ? window->findChild<QWidget*>(QString::fromUtf8(c.container)) : window;
        QWidget* widget = create(c, container);
        widget->setObjectName(QString::fromUtf8(c.name));
        twips::place(widget, QRect(c.left, c.top, c.width, c.height));
        setFont(widget, c.font, window->font());
        paint(widget, c.kind, c.back, c.fore);
        widget->setHidden(c.hidden);
        // Frames and the label take no focus; the tab order runs through the rest.
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(c.tab, widget);
        if (QString::fromUtf8(c.name) == QLatin1String("nuUplnyOdraz")) {
            for (const Line& line : lines)
                (new LineControl(window, line.from, line.to, line.width))->setObjectName(QString::fromUtf8(line.name));
        }
    }
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

} // namespace layout
