#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The four cells that Start reads as numbers, and what the user is told when one of them holds
// no number, or a number outside the range within which a run draws a finite picture.
namespace refusal {

// The number a cell holds if a run can use it; nothing if Start must be refused.
std::optional<double> usableNumber(const QString& cell, const QString& text, const QLocale& locale = QLocale());

// The field in the window's own words, what was typed, and what would work, in the user's
// locale. The text is meant to be shown as plain text: it quotes what the user typed.
QString message(const QString& cell, const QString& text, const QLocale& locale = QLocale());

} // namespace refusal
