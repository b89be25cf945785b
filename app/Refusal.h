#pragma once

#include <QLocale>
#include <QString>

// What the user is told when Start is refused because a cell holds no number: the field in the
// window's own words, what was typed, and an example of a number in the user's locale.
QString refusalMessage(const QString& cell, const QString& text, const QLocale& locale = QLocale());
