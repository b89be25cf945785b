#include "app/Layout.h"

#include "app/Languages.h"
#include "app/LineControl.h"
#include "app/Twips.h"
#include "surface/Surface.h"
#include "window/Design.h"
#include "window/Focus.h"
#include "window/Geometry.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <optional>
#include <vector>

namespace layout {
namespace {

using window::Kind;
using window::Tint;

// A line edit keeps this many pixels between its text and either side of its contents.
constexpr int lineEditMargin = 2;

QColor qtColour(surface::Colour colour)
{
    return {int(colour & 0xFFu), int((colour >> 8) & 0xFFu), int((colour >> 16) & 0xFFu)};
}

Qt::Alignment qtAlignment(window::Align align)
{
    switch (align) {
    case window::Align::Centre:
        return Qt::AlignCenter;
    case window::Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case window::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The design's own light colours, whatever the desktop's theme: a dark theme's pale text would
// be unreadable on the design's grey and light green. Every control takes its default colours
// from the window's palette.
QPalette designPalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, qtColour(window::properties().background));
    return palette;
}

std::optional<QColor> qtColourOf(Tint tint)
{
    if (tint == Tint::ButtonText)
        return designPalette().color(QPalette::ButtonText);
    if (const std::optional<surface::Colour> colour = window::colourOf(tint))
        return qtColour(*colour);
    return std::nullopt;
}

QWidget* create(const window::Control& c, QWidget* container)
{
    const QString text = languages::design(c.text);
    switch (c.kind) {
    case Kind::TextBox: {
        auto* box = new QLineEdit(text, container);
        box->setAlignment(qtAlignment(c.align));
        // Only the two boxes meant for typing look like input fields; the captions on the
        // drawing are plain text, which also leaves their words the whole width.
        box->setFrame(c.bordered);
        box->setMaxLength(window::textBoxLength);
        if (!c.bordered) {
            // A frameless caption gets its box's whole width: the line edit's own inner margin
            // would otherwise clip the widest of them ("Interference pattern").
            box->setTextMargins(-3, 0, -3, 0);
        }
        return box;
    }
    case Kind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, container);
        // The pace can be set from the keyboard too, the right arrow moving the bar right.
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setInvertedControls(false);
        bar->setRange(0, window::scrollMaximum);
        bar->setSingleStep(1);
        bar->setPageStep(window::scrollPage);
        return bar;
    }
    case Kind::Frame:
        return new QGroupBox(text, container);
    case Kind::Option:
        return new QRadioButton(text, container);
    case Kind::Command:
        return new QPushButton(text, container);
    case Kind::Label: {
        auto* label = new QLabel(text, container);
        label->setAlignment(qtAlignment(c.align));
        return label;
    }
    }
    return nullptr;
}

void paint(QWidget* widget, Kind kind, Tint back, Tint fore)
{
    QPalette palette = widget->palette();
    if (const auto colour = qtColourOf(back)) {
        palette.setColor(widget->backgroundRole(), *colour);
        widget->setAutoFillBackground(kind != Kind::TextBox);
    }
    if (const auto colour = qtColourOf(fore))
        palette.setColor(widget->foregroundRole(), *colour);
    widget->setPalette(palette);
}

void setFont(QWidget* widget, const window::Font& font, const QFont& windowFont)
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

// How many pixels a caption lacks in its control, for the controls that may grow: the captions
// on the drawing and the options.
int shortfall(const QWidget* widget)
{
    if (auto* box = qobject_cast<const QLineEdit*>(widget)) {
        const QMargins margins = box->textMargins();
        const int room = box->width() - margins.left() - margins.right() - 2 * lineEditMargin;
        return box->fontMetrics().horizontalAdvance(box->text()) - room;
    }
    if (auto* option = qobject_cast<const QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const int room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).width();
        return option->fontMetrics().horizontalAdvance(option->text()) - room;
    }
    return 0;
}

// A language may have no word as short as the design's: the control grows into the free space
// beside it (window/Geometry.h). The design's own words are left as designed.
void makeRoom(QWidget* widget, const window::Control& c)
{
    if (!window::mayGrow(c) || languages::design(c.text) == QString::fromUtf8(c.text))
        return;
    const int lacking = shortfall(widget);
    if (lacking <= 0)
        return;
    const int t = surface::twipsPerPixel;
    twips::place(widget, twips::geometry(widget).adjusted(-window::grownLeft(c, lacking) * t, 0,
                                                          (lacking - window::grownLeft(c, lacking)) * t, 0));
}

void createLines(QWidget* window, Widgets& widgets)
{
    for (const window::Line& line : window::lines()) {
        auto* control =
            new LineControl(window, QPoint(line.from.x, line.from.y), QPoint(line.to.x, line.to.y), line.width);
        control->setObjectName(QString::fromUtf8(line.name));
        widgets.emplace(line.name, control);
    }
}

} // namespace

void prepareWindow(QWidget* window)
{
    const window::WindowProperties& p = window::properties();
    window->setObjectName(QString::fromUtf8(p.name));
    window->setWindowTitle(QString::fromStdString(window::caption(languages::translate)));
    window->setFixedSize(twips::toPixels(p.clientWidth), twips::toPixels(p.clientHeight));
    window->setPalette(designPalette());
    window->setAutoFillBackground(true);
    QFont defaultFont(QString::fromUtf8(p.defaultFont.family));
    defaultFont.setPointSizeF(p.defaultFont.points);
    window->setFont(defaultFont);
}

Widgets createControls(QWidget* window)
{
    Widgets widgets;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const window::Control& c : window::controls()) {
        QWidget* container = c.container ? widgets.at(c.container) : window;
        QWidget* widget = create(c, container);
        widget->setObjectName(QString::fromUtf8(c.name));
        twips::place(widget, QRect(c.place.left, c.place.top, c.place.width, c.place.height));
        setFont(widget, c.font, window->font());
        makeRoom(widget, c);
        paint(widget, c.kind, c.back, c.fore);
        widget->setHidden(c.hidden);
        widgets.emplace(c.name, widget);
        if (window::takesFocus(c.kind))
            tabOrder.emplace_back(c.tab, widget);
        if (c.name == window::linesFollow)
            createLines(window, widgets);
    }
    // The focus chain that assistive tools walk, in the design's tab order; Tab itself follows
    // the window's rule, which also makes an option group one stop.
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    return widgets;
}

} // namespace layout
