#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

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
