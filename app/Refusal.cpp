#include "Refusal.h"

#include "Cells.h"

#include <QCoreApplication>

namespace {

struct Field {
    const char* cell;
    const char* words;
    double example;
};

const Field fields[] = {
    {"nIndex", QT_TRANSLATE_NOOP("Refusal", "Refractive index"), 1.33},
    {"nAlfa", QT_TRANSLATE_NOOP("Refusal", "Incident angle"), 48.783},
    {"nDistance", QT_TRANSLATE_NOOP("Refusal", "Detector H distance"), 750},
    {"nSpomaleni", QT_TRANSLATE_NOOP("Refusal", "Slowdown"), 1},
};

QString tr(const char* text)
{
    return QCoreApplication::translate("Refusal", text);
}

} // namespace

QString refusalMessage(const QString& cell, const QString& text, const QLocale& locale)
{
    const Field* field = &fields[0];
    for (const Field& f : fields) {
        if (cell == QLatin1String(f.cell))
            field = &f;
    }
    const QString words = tr(field->words);
    const QString problem = text.trimmed().isEmpty() ? tr("%1: there is no number to run with.").arg(words)
                                                     : tr("%1: \u201C%2\u201D is not a number.").arg(words, text);
    const QString advice =
        tr("Type a number such as %1, then press Start again.").arg(cells::numberText(field->example, locale));
    return problem + QStringLiteral("\n\n") + advice;
}
