// Headless driver: creates the real window offscreen, performs the actions given on the
// command line as a user would, and prints every drawing operation on the window's surface
// followed by the window's state.

#include "app/SaveFile.h"
#include "app/frmKavrona.h"
#include "surface/TraceSurface.h"
#include "tools/CommandLine.h"
#include "window/Readings.h"
#include "window/Version.h"

#include <QApplication>
#include <QEventLoop>
#include <QLocale>
#include <QPixmap>

#include <clocale>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // The command line is read before the application exists, because the scale has to be in
    // place when the first window is made: the window and its canvas take their device pixel
    // ratio from it, so the picture is drawn at that resolution rather than enlarged.
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
    std::string problem;
    const std::optional<driver::CommandLine> line = driver::parse(arguments, problem);
    if (!line) {
        std::fprintf(stderr, "%s: %s\n%s", driver::name, problem.c_str(), driver::usage().c_str());
        return 2;
    }
    if (line->request == driver::CommandLine::Request::Help) {
        std::fputs(driver::usage().c_str(), stdout);
        return 0;
    }
    if (line->request == driver::CommandLine::Request::Version) {
        std::printf("%s %s\n", driver::name, window::version);
        return 0;
    }
    // The picture depends on the command line alone: the scale is always set, and whatever
    // else in the user's environment would scale the window or change its look is cleared.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(line->scale, 'g', QLocale::FloatingPointShortest));
    for (const char* variable : {"QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
                                 "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_USE_PHYSICAL_DPI", "QT_FONT_DPI",
                                 "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"})
        qunsetenv(variable);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The trace's numbers always use a decimal point, whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    // The captions speak the language asked for, never the environment's; the trace is the same
    // in every language.
    languages::use(line->language);

    surface::TraceSurface trace(stdout);
    // A run goes on frame by frame in the event loop; the next action waits for its end.
    QEventLoop runs;
    frmKavrona::Observers observers;
    observers.drawing = &trace;
    observers.refused = [](const QString& cell) { std::printf("Refused %s\n", cell.toUtf8().constData()); };
    observers.runEnded = [&runs] { runs.quit(); };
    frmKavrona window(observers);
    window.show();

    // What the driver is asked to write, each once the actions are done.
    const std::vector<std::pair<QString, std::function<std::optional<QString>(const QString&)>>> outputs{
        {line->png, [&window](const QString& file) { return savePng(window.grab().toImage(), file); }},
        {line->readings,
         [&window](const QString& file) {
             return saveFile(QByteArray::fromStdString(window::readingsCsv(window.form().measured())), file);
         }},
    };
    for (const window::Action& action : line->actions) {
        window::perform(window.form(), action);
        if (window.running())
            runs.exec();
        if (window.isVisible())
            continue;
        // Exit ends the program; nothing more is printed, and there is no window to picture.
        int status = 0;
        for (const auto& [file, write] : outputs) {
            if (file.isEmpty())
                continue;
            std::fprintf(stderr, "%s: Exit closed the window, so %s was not written\n", driver::name,
                         file.toLocal8Bit().constData());
            status = 1;
        }
        return status;
    }
    window::printState(window.form().state(), stdout);
    int status = 0;
    for (const auto& [file, write] : outputs) {
        if (file.isEmpty())
            continue;
        if (const std::optional<QString> problem = write(file)) {
            std::fprintf(stderr, "%s: cannot write %s: %s\n", driver::name, file.toLocal8Bit().constData(),
                         problem->toLocal8Bit().constData());
            status = 1;
        }
    }
    return status;
}
