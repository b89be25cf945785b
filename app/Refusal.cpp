#include "app/Refusal.h"

#include "app/Cells.h"

#include <QCoreApplication>

namespace refusal {
namespace {

struct Field {
    const char* cell;
    const char* words;
    double example;
    // Within these a run's every quantity stays finite: angles and indices far beyond any that
    // make sense still draw, while 1e308 degrees times 3.14 would overflow. The slowdown goes
    // up to the slowest pace the scroll bar sets.
    double lowest;
    double highest;
};

constexpr double largest = 1e6;
constexpr double slowestPace = 3276701;

const Field fields[] = {
    {"nIndex", QT_TRANSLATE_NOOP("Refusal", "Refractive index"), 1.33, -largest, largest},
    {"nAlfa", QT_TRANSLATE_NOOP("Refusal", "Incident angle"), 48.783, -largest, largest},
    {"nDistance", QT_TRANSLATE_NOOP("Refusal", "Detector H distance"), 750, -largest, largest},
    {"nSpomaleni", QT_TRANSLATE_NOOP("Refusal", "Slowdown"), 1, -slowestPace, slowestPace},
};

const Field& fieldOf(const QString& cell)
{
    for (const Field& f : fields) {
        if (cell == QLatin1String(f.cell))
            return f;
    }
    return fields[0];
}

QString tr(const char* text)
{
    return QCoreApplication::translate("Refusal", text);
}

} // namespace

std::optional<double> usableNumber(const QString& cell, const QString& text, const QLocale& locale)
{
    const Field& field = fieldOf(cell);
    const std::optional<double> number = cells::readNumber(text, locale);
    if (!number || *number < field.lowest || *number > field.highest)
        return std::nullopt;
    return number;
}

QString message(const QString& cell, const QString& text, const QLocale& locale)
{
    const Field& field = fieldOf(cell);
    const QString words = tr(field.words);
    const QString example =
        tr("Type a number such as %1, then press Start again.").arg(cells::numberText(field.example, locale));
    const QString paragraph = QStringLiteral("\n\n");
    if (text.trimmed().isEmpty())
        return tr("%1: there is no number to run with.").arg(words) + paragraph + example;
    if (!cells::readNumber(text, locale))
        return tr("%1: \u201C%2\u201D is not a number.").arg(words, text) + paragraph + example;
    return tr("%1: \u201C%2\u201D is outside the range a run can draw.").arg(words, text) + paragraph +
           tr("Type a number from %1 to %2, then press Start again.")
               .arg(cells::numberText(field.lowest, locale), cells::numberText(field.highest, locale));
}

} // namespace refusal
