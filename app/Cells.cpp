#include "app/Cells.h"

#include <cmath>

namespace cells {
namespace {

QLocale withoutGroupSeparators(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

std::optional<double> finiteNumber(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double value = withoutGroupSeparators(locale).toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

QString numberText(double value, const QLocale& locale)
{
    // The digits 0 to 9 whatever the locale's own digits; only the decimal separator is the
    // user's, so a locale with digits of its own still reads the text back.
    QString text = QLocale::c().toString(value, 'g', 15);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

std::optional<double> readNumber(const QString& text, const QLocale& locale)
{
    if (const std::optional<double> value = finiteNumber(text, locale))
        return value;
    return finiteNumber(text, QLocale::c());
}

std::string LocaleNumbers::text(double value) const
{
    return numberText(value, locale_).toStdString();
}

std::optional<double> LocaleNumbers::number(std::string_view text) const
{
    return readNumber(QString::fromUtf8(text.data(), qsizetype(text.size())), locale_);
}

} // namespace cells
