#pragma once

#include "window/NumberText.h"

#include <QLocale>
#include <QString>

#include <optional>

// Settings live as text in the window's cells. Numbers are written and read in the user's
// locale, with the same decimal separator both ways and never a group separator, so every
// text the program writes reads back as exactly the value written.
namespace cells {

// At most 15 significant digits, trailing zeros dropped, no separator when whole; the digits
// 0 to 9 and the locale's decimal separator.
QString numberText(double value, const QLocale& locale = QLocale());
// The number a cell holds; nothing for text that is not a finite number. A value in the C form
// ("1.5") is read under a decimal-comma locale too; a group separator is never accepted.
std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());

// The window's conversions in the user's locale, or in one given.
class LocaleNumbers final : public window::NumberText {
public:
    explicit LocaleNumbers(const QLocale& locale = QLocale())
        : locale_(locale)
    {
    }
    std::string text(double value) const override;
    std::optional<double> number(std::string_view text) const override;

private:
    QLocale locale_;
};

} // namespace cells
