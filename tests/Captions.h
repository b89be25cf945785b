#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

// The words a control shows: a text box's text, a frame's title, a button's or label's caption.
inline QString captionOf(const QWidget* w)
{
    if (auto* box = qobject_cast<const QLineEdit*>(w))
        return box->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w))
        return frame->title();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    return {};
}

// The pixels a control leaves its caption: beside an option's indicator, a frame's title, inside
// a button's bevel, between a line edit's margins.
inline int roomFor(const QWidget* w)
{
    if (auto* option = qobject_cast<const QRadioButton*>(w)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).width();
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) {
        QStyleOptionGroupBox style;
        style.initFrom(frame);
        style.text = frame->title();
        style.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &style, QStyle::SC_GroupBoxLabel, frame);
        return frame->rect().right() - label.left();
    }
    if (auto* button = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton style;
        style.initFrom(button);
        style.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &style, button).width();
    }
    if (auto* box = qobject_cast<const QLineEdit*>(w)) {
        // A line edit keeps two pixels between its text and its contents' sides.
        const QMargins margins = box->textMargins();
        return box->width() - margins.left() - margins.right() - 4;
    }
    return w->contentsRect().width();
}

// The ink a control's caption sets, where it lies against the control's edges: a letter cut by the
// control's side leaves ink on its first or last column.
struct EdgeInk {
    int all{};
    int firstColumn{};
    int lastColumn{};
    int lastRow{};
    int edges() const { return firstColumn + lastColumn + lastRow; }
};

inline EdgeInk edgeInk(QWidget* w)
{
    const QImage box = w->grab().toImage();
    const QRgb background = w->palette().color(w->backgroundRole()).rgb();
    EdgeInk ink;
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            if (box.pixel(x, y) == background)
                continue;
            ++ink.all;
            ink.firstColumn += x == 0 ? 1 : 0;
            ink.lastColumn += x == box.width() - 1 ? 1 : 0;
            ink.lastRow += y == box.height() - 1 ? 1 : 0;
        }
    }
    return ink;
}
