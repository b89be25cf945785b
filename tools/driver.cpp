// Headless driver: creates the real window offscreen, performs the actions given on the
// command line as a user would, and prints every drawing operation on the window's surface
// followed by the window's state.

#include "app/Languages.h"
#include "app/PictureFile.h"
#include "app/frmKavrona.h"
#include "surface/TraceSurface.h"
#include "window/Script.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>

#include <clocale>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int maxScale = 4;
const std::string scaleRange = "1 to " + std::to_string(maxScale);

struct CommandLine {
    std::vector<window::Action> actions;
    QString png;
    // Device pixels per logical pixel of the picture.
    int scale{1};
    // The language of the picture's captions.
    QString language{QString::fromLatin1(languages::english)};
};

int usage(const std::string& problem)
{
    std::fprintf(stderr,
                 "total-reflection-driver: %s\n"
                 "usage: total-reflection-driver [--png FILE] [--scale K] [--lang CODE] [ACTION ...]\n"
                 "  --png FILE        save a picture of the whole window after the last action\n"
                 "  --scale K         draw the picture at K device pixels per pixel (%s)\n"
                 "  --lang CODE       the captions' language in the picture, one of %s; en is the default\n"
                 "%s",
                 problem.c_str(), scaleRange.c_str(),
                 languages::available().join(QStringLiteral(", ")).toUtf8().constData(),
                 window::actionsUsage().c_str());
    return 2;
}

std::optional<CommandLine> parse(const std::vector<std::string>& args, std::string& problem)
{
    CommandLine line;
    for (std::size_t i = 1; i < args.size();) {
        const std::string& word = args[i];
        const std::size_t left = args.size() - i - 1;
        if (word == "--png" && left >= 1) {
            line.png = QString::fromStdString(args[i + 1]);
            i += 2;
            if (line.png.isEmpty()) {
                problem = "--png takes a file name";
                return std::nullopt;
            }
        } else if (word == "--scale" && left >= 1) {
            bool ok = false;
            line.scale = QString::fromStdString(args[i + 1]).toInt(&ok);
            i += 2;
            if (!ok || line.scale < 1 || line.scale > maxScale) {
                problem = "--scale takes a whole number from " + scaleRange;
                return std::nullopt;
            }
        } else if (word == "--lang" && left >= 1) {
            line.language = QString::fromStdString(args[i + 1]);
            i += 2;
            if (!languages::available().contains(line.language)) {
                problem = "--lang takes the code of a language the window speaks";
                return std::nullopt;
            }
        } else if (!window::readAction(args, i, line.actions, problem)) {
            return std::nullopt;
        }
    }
    return line;
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
    std::string problem;
    const std::optional<CommandLine> line = parse(arguments, problem);
    if (!line)
        return usage(problem);
    // The picture depends on the command line alone: the scale is always set, and whatever
    // else in the user's environment would scale the window or change its look is cleared.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(line->scale));
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

    for (const window::Action& action : line->actions) {
        window::perform(window.form(), action);
        if (window.running())
            runs.exec();
        if (window.isVisible())
            continue;
        // Exit ends the program; nothing more is printed, and there is no window to picture.
        if (line->png.isEmpty())
            return 0;
        std::fprintf(stderr, "total-reflection-driver: Exit closed the window, so %s was not written\n",
                     line->png.toLocal8Bit().constData());
        return 1;
    }
    window::printState(window.form().state(), stdout);
    if (line->png.isEmpty())
        return 0;
    if (const std::optional<QString> problem = savePng(window.grab().toImage(), line->png)) {
        std::fprintf(stderr, "total-reflection-driver: cannot write %s: %s\n", line->png.toLocal8Bit().constData(),
                     problem->toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
