#include "app/CommandLine.h"
#include "app/Languages.h"
#include "app/ProgramIcon.h"
#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    commandLine::prepare(argc, argv);
    QApplication application(argc, argv);
    languages::use(languages::ofTheDesktop());
    const std::variant<window::LinkSettings, int> line = commandLine::answer();
    if (const int* status = std::get_if<int>(&line))
        return *status;
    QApplication::setApplicationName(QStringLiteral("Total reflection"));
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.total_reflection"));
    MainWindow window;
    window.show();
    window.openLink(std::get<window::LinkSettings>(line));
    return QApplication::exec();
}
