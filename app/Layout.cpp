#include "app/Layout.h"

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

// A line edit keeps this many pixels between its text and either side of its contents.
constexpr int lineEditMargin = 2;

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
        box->setMaxLength(window::textBoxTakes);
        if (!c.bordered) {
            // A frameless caption gets its box's whole width: the line edit's own inner margin
            // would otherwise clip the widest of them ("Interference pattern").
            box->setTextMargins(-3, 0, -3, 0);
        }
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
// beside it (window/rules/Geometry.h). The design's own words are left as designed.
void makeRoom(QWidget* widget, const window::Control& c)
{
    if (!window::mayGrow(c) || languages::design(c.text) == QString::fromUtf8(c.text))
        return;
    const int lacking = shortfall(widget);
    if (lacking <= 0)
        return;
    const int left = window::grownLeft(c, lacking);
    widget->setGeometry(widget->geometry().adjusted(-left, 0, lacking - left, 0));
}

// A caption's letters within its box, by the window's rule: the line edit centres its line
// between its text margins, which are set about the line where the rule puts it, a line's height
// beyond it on either side, so that they clip nothing of the letters.
void placeLine(QLineEdit* box)
{
    const QString text = box->text();
    const QFontMetrics metrics = box->fontMetrics();
    const int line = std::max(metrics.boundingRect(text).height(), metrics.height());
    const int height = box->height();
    const QRectF ink = QFontMetricsF(box->font()).tightBoundingRect(text);
    // In device pixels; the line edit puts its line on whole pixels of its own.
    const double d = box->devicePixelRatioF();
    const double top = window::captionLineTop(
        {height * d, double((height - line + 1) / 2) * d, metrics.ascent() * d, -ink.top() * d, ink.bottom() * d, d});
    const int lineTop = int(std::lround(top / d));
    const QMargins margins = box->textMargins();
    box->setTextMargins(margins.left(), lineTop - line, margins.right(), height - lineTop - 2 * line);
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
    for (const window::Control& c : window::controls()) {
        QWidget* container = c.container ? widgets.at(c.container) : window;
        QWidget* widget = create(c, container);
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
    widget->setFont(fontOf(c.font, fit.scale));
    makeRoom(widget, c);
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && window::isCaption(c))
        placeLine(box);
}

} // namespace layout
