#include "app/Languages.h"
#include "app/ProgramIcon.h"
#include "app/frmKavrona.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    languages::use(languages::ofTheDesktop());
    QApplication::setApplicationName(QStringLiteral("Total reflection"));
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.total_reflection"));
    frmKavrona window;
    window.show();
    return QApplication::exec();
}
