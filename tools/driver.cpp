// Headless driver: creates the real window offscreen, performs the actions given on the
// command line as a user would, and prints every drawing operation on the window's surface
// followed by the window's state.

#include "app/PictureFile.h"
#include "app/RunSession.h"
#include "app/frmKavrona.h"
#include "surface/TraceSurface.h"

#include <QApplication>
#include <QPixmap>

#include <clocale>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int maxScroll = 32767;
constexpr int maxScale = 4;

struct Action {
    enum class Verb { Click, Type, Scroll } verb;
    QString name;
    QString text;
    int position{};
};

struct CommandLine {
    std::vector<Action> actions;
    QString png;
    int scale{1}; // device pixels per logical pixel of the picture
};

int usage(const char* problem)
{
    std::fprintf(stderr,
                 "total-reflection-driver: %s\n"
                 "usage: total-reflection-driver [--png FILE] [--scale K] [ACTION ...]\n"
                 "  --png FILE        save a picture of the whole window after the last action\n"
                 "  --scale K         draw the picture at K device pixels per pixel (1 to %d)\n"
                 "actions, performed in order:\n"
                 "  click NAME        click an option or command button\n"
                 "  type NAME TEXT    replace the whole text of a text box\n"
                 "  scroll N          move HScroll1 to N (0 to %d)\n",
                 problem, maxScale, maxScroll);
    return 2;
}

std::optional<CommandLine> parse(const QStringList& args, const char*& problem)
{
    CommandLine line;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& word = args[i];
        const qsizetype left = args.size() - i - 1;
        if (word == QLatin1String("--png") && left >= 1) {
            line.png = args[++i];
            if (line.png.isEmpty()) {
                problem = "--png takes a file name";
                return std::nullopt;
            }
        } else if (word == QLatin1String("--scale") && left >= 1) {
            bool ok = false;
            line.scale = args[++i].toInt(&ok);
            if (!ok || line.scale < 1 || line.scale > maxScale) {
                problem = "--scale takes a whole number from 1 to 4";
                return std::nullopt;
            }
        } else if (word == QLatin1String("click") && left >= 1) {
            line.actions.push_back({Action::Verb::Click, args[++i], {}, 0});
        } else if (word == QLatin1String("type") && left >= 2) {
            const QString name = args[++i];
            line.actions.push_back({Action::Verb::Type, name, args[++i], 0});
        } else if (word == QLatin1String("scroll") && left >= 1) {
            bool ok = false;
            const int position = args[++i].toInt(&ok);
            if (!ok || position < 0 || position > maxScroll) {
                problem = "scroll takes a whole number from 0 to 32767";
                return std::nullopt;
            }
            line.actions.push_back({Action::Verb::Scroll, {}, {}, position});
        } else {
            problem = "unknown or incomplete action";
            return std::nullopt;
        }
    }
    return line;
}

// Names that no control of the window answers to make the command line malformed.
const char* checkNames(const CommandLine& line)
{
    for (const Action& action : line.actions) {
        const window::Control* control = window::findControl(action.name.toStdString());
        const window::Kind kind = control ? control->kind : window::Kind::Label;
        if (action.verb == Action::Verb::Click && kind != window::Kind::Option && kind != window::Kind::Command)
            return "click names no option or command button";
        if (action.verb == Action::Verb::Type && kind != window::Kind::TextBox)
            return "type names no text box";
    }
    return nullptr;
}

void perform(window::Form& form, const Action& action)
{
    switch (action.verb) {
    case Action::Verb::Click:
        form.click(action.name.toStdString());
        break;
    case Action::Verb::Type:
        form.type(action.name.toStdString(), action.text.toStdString());
        break;
    case Action::Verb::Scroll:
        form.scroll(action.position);
        break;
    }
}

// A cell's text on one line of the trace: control characters are written as escapes (a line
// break as a backslash and an n), so that typed text can never pass for lines of the trace.
QString traceText(const QString& text)
{
    QString line;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n')
            line += QStringLiteral("\\n");
        else if (u == u'\r')
            line += QStringLiteral("\\r");
        else if (u == u'\t')
            line += QStringLiteral("\\t");
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029)
            line += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
        else
            line += c;
    }
    return line;
}

void printState(const window::State& state)
{
    for (const char* name : {"nLátka", "nAlfaCaption", "nAlfa", "nIndex", "nDistance", "nSpomaleni"})
        std::printf("Cell %s %s\n", name, traceText(QString::fromStdString(state.text(name))).toUtf8().constData());
    for (const char* name : {"nVoda", "nSklo"})
        std::printf("Shown %s %d\n", name, state.shown(name));
    const window::State::LineEnds& line1 = state.line("Line1");
    std::printf("Line1 %d %d %d %d %d\n", line1.from.x, line1.from.y, line1.to.x, line1.to.y, line1.shown);
    const window::Point label = state.place("nDetektorH");
    std::printf("Place nDetektorH %d %d\n", label.x, label.y);
    for (const window::Control& c : window::controls()) {
        if (state.selected(c.name))
            std::printf("Selected %s\n", c.name);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // The command line is read before the application exists, because the scale has to be in
    // place when the first window is made: the window and its canvas take their device pixel
    // ratio from it, so the picture is drawn at that resolution rather than enlarged.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const char* problem = nullptr;
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
    RunSession::useQtEventDispatcher();
    QApplication application(argc, argv);
    // The trace's numbers always use a decimal point, whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    if (const char* badName = checkNames(*line))
        return usage(badName);

    surface::TraceSurface trace(stdout);
    frmKavrona::Observers observers;
    observers.drawing = &trace;
    observers.refused = [](const QString& cell) { std::printf("Refused %s\n", cell.toUtf8().constData()); };
    frmKavrona window(observers);
    window.show();

    for (const Action& action : line->actions) {
        perform(window.form(), action);
        if (window.isVisible())
            continue;
        // Exit ends the program; nothing more is printed, and there is no window to picture.
        if (line->png.isEmpty())
            return 0;
        std::fprintf(stderr, "total-reflection-driver: Exit closed the window, so %s was not written\n",
                     line->png.toLocal8Bit().constData());
        return 1;
    }
    printState(window.form().state());
    if (line->png.isEmpty())
        return 0;
    if (const std::optional<QString> problem = savePng(window.grab().toImage(), line->png)) {
        std::fprintf(stderr, "total-reflection-driver: cannot write %s: %s\n", line->png.toLocal8Bit().constData(),
                     problem->toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
