#include "app/Layout.h"

#include "app/CaptionPlace.h"
#include "app/FittedStyle.h"
#include "app/Languages.h"
#include "app/LineControl.h"
#include "app/Twips.h"
#include "surface/Surface.h"
#include "window/form/Design.h"
#include "window/rules/Focus.h"
#include "window/rules/Geometry.h"

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

QColor qtColour(surface::Colour colour)
{
    const surface::Rgb rgb = surface::rgbOf(colour);
    return {int(rgb.red), int(rgb.green), int(rgb.blue)};
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

QWidget* create(const window::Control& c, QWidget* container, QStyle* fitted)
{
    const QString text = languages::design(c.text);
    switch (c.kind) {
    case Kind::TextBox: {
        auto* box = new QLineEdit(text, container);
        box->setAlignment(qtAlignment(c.align));
        // Only the two boxes meant for typing look like input fields; the captions on the
        // drawing are plain text, which also leaves their words the whole width.
        box->setFrame(c.bordered);
        box->setMaxLength(window::textBoxTakes);
        // A caption lies on the drawing: a right click on it asks for the drawing's menu.
        if (window::isCaption(c))
            box->setContextMenuPolicy(Qt::NoContextMenu);
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
    case Kind::Option: {
        auto* option = new QRadioButton(text, container);
        option->setStyle(fitted);
        return option;
    }
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

// A control's font at a scale: every property set explicitly, so that an option keeps the window's
// font rather than inheriting its frame's bold caption font. A font the design sets is bold.
QFont fontOf(const window::Font& font, double scale)
{
    const window::Font& f = font.family ? font : window::properties().defaultFont;
    QFont q(QString::fromUtf8(f.family));
    q.setPointSizeF(f.points * scale);
    q.setBold(font.family != nullptr);
    return q;
}

// How many pixels a caption lacks: an option's beside its circle, a frame's title in its frame.
int shortfall(const QWidget* widget)
{
    if (auto* option = qobject_cast<const QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const int room = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).width();
        return option->fontMetrics().horizontalAdvance(option->text()) - room;
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        QStyleOptionGroupBox style;
        style.initFrom(frame);
        style.text = frame->title();
        style.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &style, QStyle::SC_GroupBoxLabel, frame);
        return frame->fontMetrics().horizontalAdvance(frame->title()) - (frame->rect().right() - title.left());
    }
    return 0;
}

// A language may have no word as short as the design's, and at a scale other than the design's the
// font's pixel grid may make a word a pixel or two wider than its proportion: an option grows into
// the free space beside it (window/rules/Geometry.h), as a caption's words do (app/CaptionPlace.h).
// A frame's words are chosen to fit it at the design's scale; at another, it widens by the pixels
// its title lacks, into the free space on its right.
void makeRoom(QWidget* widget, const window::Control& c)
{
    if (c.kind != Kind::Option && c.kind != Kind::Frame)
        return;
    const int lacking = shortfall(widget);
    if (lacking <= 0)
        return;
    const int left = window::grownLeft(c, lacking);
    widget->setGeometry(widget->geometry().adjusted(-left, 0, lacking - left, 0));
}

void createLines(QWidget* window, Widgets& widgets, const window::Fit& fit)
{
    for (const window::Line& line : window::lines()) {
        auto* control =
            new LineControl(window, QPoint(line.from.x, line.from.y), QPoint(line.to.x, line.to.y), line.width, fit);
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
    const QSize size(twips::toPixels(p.clientWidth), twips::toPixels(p.clientHeight));
    window->resize(size);
    window->setMinimumSize(size * window::zoomSteps[0]);
    window->setPalette(designPalette());
    window->setAutoFillBackground(true);
    window->setFont(fontOf({}, 1));
}

Widgets createControls(QWidget* window, const window::Fit& fit)
{
    Widgets widgets;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    auto* fitted = new FittedStyle;
    fitted->setParent(window);
    for (const window::Control& c : window::controls()) {
        QWidget* container = c.container ? widgets.at(c.container) : window;
        QWidget* widget = create(c, container, fitted);
        widget->setObjectName(QString::fromUtf8(c.name));
        twips::place(widget, QRect(c.place.left, c.place.top, c.place.width, c.place.height), fit);
        paint(widget, c.kind, c.back, c.fore);
        widget->setHidden(c.hidden);
        widgets.emplace(c.name, widget);
        if (window::takesFocus(c.kind))
            tabOrder.emplace_back(c.tab, widget);
        if (c.name == window::linesFollow)
            createLines(window, widgets, fit);
    }
    fitControls(widgets, fit);
    // The focus chain that assistive tools walk, in the design's tab order; Tab itself follows
    // the window's rule, which also makes an option group one stop.
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    return widgets;
}

void fitControls(const Widgets& widgets, const window::Fit& fit)
{
    for (const window::Control& c : window::controls())
        fitControl(widgets.find(c.name)->second, c, fit);
    for (const window::Line& line : window::lines())
        static_cast<LineControl*>(widgets.find(line.name)->second)->setFit(fit);
}

void fitControl(QWidget* widget, const window::Control& c, const window::Fit& fit)
{
    twips::place(widget, twips::geometry(widget), fit);
    if (auto* style = dynamic_cast<FittedStyle*>(widget->style()))
        style->setScale(fit.scale);
    widget->setFont(fontOf(c.font, fit.scale));
    makeRoom(widget, c);
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && window::isCaption(c)) {
        // The hidden cells hold the program's data, never shown.
        if (!c.hidden)
            caption::placeWords(box, c);
        caption::placeLine(box);
    }
}

} // namespace layout
