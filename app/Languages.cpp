#include "app/Languages.h"

#include "window/form/Design.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace languages {
namespace {

// Where the build puts the compiled translations, and what their names start with.
const QString folder = QStringLiteral(":/i18n");
const QString prefix = QStringLiteral("total-reflection_");
const QString suffix = QStringLiteral(".qm");
// Qt's own translations, as Debian installs them (qt6-translations-l10n).
const QString qtPrefix = QStringLiteral("qtbase_");
// Marks the translators use() installs, so that the next call can take them away.
const QString installedName = QStringLiteral("languages::use");

void install(const QString& name, const QString& directory)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(installedName);
    if (translator->load(name, directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QStringList available()
{
    QStringList codes{QString::fromLatin1(english)};
    for (const QString& file : QDir(folder).entryList({prefix + QLatin1Char('*') + suffix}, QDir::Files, QDir::Name))
        codes << file.mid(prefix.size()).chopped(suffix.size());
    return codes;
}

QString choose(const QStringList& asked)
{
    const QStringList spoken = available();
    for (const QString& name : asked) {
        // "C" and names that are no locale's ask for no language.
        const QLocale locale(name);
        if (locale.language() == QLocale::C)
            continue;
        const QString code = QLocale::languageToCode(locale.language());
        if (spoken.contains(code))
            return code;
    }
    return QString::fromLatin1(english);
}

QString ofTheDesktop()
{
    return choose(QLocale::system().uiLanguages());
}

void use(const QString& code)
{
    // A translator removes itself from the application as it goes.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(installedName, Qt::FindDirectChildrenOnly));
    if (code == QLatin1String(english))
        return;
    install(qtPrefix + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(prefix + code, folder);
}

std::string translate(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

QString design(const char* text)
{
    return QCoreApplication::translate(window::designContext, text);
}

QString title()
{
    return design(window::properties().title);
}

QString current()
{
    for (const QTranslator* translator :
         QCoreApplication::instance()->findChildren<QTranslator*>(installedName, Qt::FindDirectChildrenOnly)) {
        if (translator->filePath().contains(prefix))
            return translator->language().section(QLatin1Char('_'), 0, 0);
    }
    return QString::fromLatin1(english);
}

window::NumberText localNumbers()
{
    return window::NumberText(QLocale().decimalPoint().toStdString());
}

window::NumberText languageNumbers()
{
    return window::NumberText(QLocale(current()).decimalPoint().toStdString());
}

} // namespace languages
