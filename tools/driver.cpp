// Headless driver: creates the real window offscreen, performs the actions given on the
// command line as a user would, and prints every drawing operation on the window's surface
// followed by the window's state.

#include "app/Languages.h"
#include "app/MainWindow.h"
#include "app/WorksheetPdf.h"
#include "surface/TraceSurface.h"
#include "window/driver/DriverLine.h"

#include <QApplication>
#include <QBuffer>
#include <QEventLoop>
#include <QLocale>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

window::DriverAbilities abilities()
{
    std::vector<std::string> spoken;
    for (const QString& code : languages::available())
        spoken.push_back(code.toStdString());
    return {"total-reflection-driver",
            "Opens the window of Total reflection offscreen, performs the actions in order\n"
            "as a user would, and prints every drawing operation on the window's surface,\n"
            "then the window's state.\n",
            true, true, spoken};
}

std::string pngOf(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png.toStdString();
}

} // namespace

int main(int argc, char* argv[])
{
    // The command line is read before the application exists, because the scale has to be in
    // place when the first window is made: the window and its canvas take their device pixel
    // ratio from it, so the picture is drawn at that resolution rather than enlarged.
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
    const window::DriverAbilities driver = abilities();
    const std::variant<window::DriverLine, int> read = window::readDriverLine(arguments, driver);
    if (const int* status = std::get_if<int>(&read))
        return *status;
    const window::DriverLine* line = &std::get<window::DriverLine>(read);
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
    languages::use(QString::fromStdString(line->language));

    surface::TraceSurface trace(stdout);
    // A run goes on frame by frame in the event loop; the next action waits for its end.
    QEventLoop runs;
    MainWindow::Observers observers;
    observers.drawing = &trace;
    observers.refused = [](const QString& cell) { std::printf("Refused %s\n", cell.toUtf8().constData()); };
    observers.runEnded = [&runs] { runs.quit(); };
    MainWindow window(observers);
    window.show();

    for (const window::Action& action : line->actions) {
        window.act(window::perform(window.form(), action));
        if (window.running())
            runs.exec();
        // Exit ends the program; nothing more is printed, and there is no window to picture.
        if (!window.isVisible())
            return window::closedBeforeOutputs(driver, *line);
    }
    window::printState(window.form().state(), stdout);
    std::vector<window::DriverOutput> outputs =
        window::driverOutputs(*line, window.form().measured(), languages::languageNumbers(), languages::translate);
    if (!line->png.empty())
        outputs.insert(outputs.begin(), {line->png, pngOf(window.grab().toImage())});
    int status = 0;
    if (!line->worksheet.empty()) {
        if (const std::optional<window::Measured>& measured = window.form().measured()) {
            const window::Worksheet sheet =
                window::worksheet(*measured, languages::languageNumbers(), languages::translate);
            outputs.push_back(
                {line->worksheet, worksheetPdf(sheet, window.picture(window::worksheetPictureRatio)).toStdString()});
        } else {
            std::fprintf(stderr, "%s: %s was not written: no run has measured anything to make a worksheet of\n",
                         driver.program.c_str(), line->worksheet.c_str());
            status = 1;
        }
    }
    return std::max(status, window::writeOutputs(driver, outputs));
}
