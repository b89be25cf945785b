#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/ProgramIcon.h"
#include "app/RunSession.h"
#include "app/frmKavrona.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    commandLine::prepare(argc, argv);
    RunSession::useQtEventDispatcher();
    QApplication application(argc, argv);
    // The window speaks the first of the desktop's languages (LANGUAGE, LC_MESSAGES, LANG) it knows.
    languages::use(languages::choose(QLocale::system().uiLanguages()));
    if (const std::optional<int> status = commandLine::answer())
        return *status;
    QApplication::setApplicationName(QStringLiteral("Total reflection"));
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.total_reflection"));
    frmKavrona window;
    window.show();
    return QApplication::exec();
}
