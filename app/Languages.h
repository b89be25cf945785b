#pragma once

#include "window/form/NumberText.h"

#include <QString>
#include <QStringList>

#include <string>

// The languages the window speaks: English, the design's own words, and those it has a
// translation for (app/translations, built into the program). Qt's own words, the buttons of
// its message boxes and dialogs, follow in the same language.
namespace languages {

inline constexpr const char* english = "en";

// "en" and the codes of the translations: "cs", "de", "uk"...
QStringList available();
// Of the languages asked for, best first, as QLocale::uiLanguages() gives them ("de-AT"), the
// first the window speaks; English where it speaks none of them.
QString choose(const QStringList& asked);
// The language the desktop asks for: the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that the
// window speaks, as the window starts in.
QString ofTheDesktop();
// Puts the window's words and Qt's into one of the languages available, in place of any other.
// Call it before the window is made: the window takes its words when it is made.
void use(const QString& code);

// One of the program's own words in the language in use; a window::Translate.
std::string translate(const char* context, const char* text);
// One of the design's words in the language in use.
QString design(const char* text);
// The program's name, which titles its window and its messages.
QString title();

// The language in use: "en", or the code of the translation put in place.
QString current();
// Numbers written and read with the decimal separator of the user's locale, as the cells hold
// them.
window::NumberText localNumbers();
// Numbers as the language in use writes them, as the readings are copied and the run's result
// said: a German or Ukrainian window copies 1,33 whatever the locale.
window::NumberText languageNumbers();

} // namespace languages
