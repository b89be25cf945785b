#include "app/CommandLine.h"

#include "window/form/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace commandLine {
namespace {

// The status of a malformed command line, as command-line tools end with it.
constexpr int malformed = 2;
// Qt's help that lists its own options too, beside --help.
const QString helpAll = QStringLiteral("help-all");

constexpr const char* context = "CommandLine";
constexpr const char* about =
    QT_TRANSLATE_NOOP("CommandLine", "A teaching program about light at the boundary of water or glass and air.");
constexpr const char* qtOptions =
    QT_TRANSLATE_NOOP("CommandLine", "Qt's own options, such as -platform, are listed by --help-all.");
constexpr const char* unexpected = QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'.");

// The run a teacher's shortcut opens: an option a link's key, with the same values.
struct RunOption {
    const char* key;
    const char* valueName;
    const char* description;
};
constexpr RunOption runOptions[] = {
    {window::linkKey::substance, QT_TRANSLATE_NOOP("CommandLine", "SUBSTANCE"),
     QT_TRANSLATE_NOOP("CommandLine", "Choose the substance: water or glass.")},
    {window::linkKey::angle, QT_TRANSLATE_NOOP("CommandLine", "ANGLE"),
     QT_TRANSLATE_NOOP("CommandLine", "Choose the angle: 35, critical or 60; any other value is typed into the angle "
                                      "box.")},
    {window::linkKey::index, QT_TRANSLATE_NOOP("CommandLine", "INDEX"),
     QT_TRANSLATE_NOOP("CommandLine", "Type the refractive index into its box.")},
    {window::linkKey::distance, QT_TRANSLATE_NOOP("CommandLine", "DISTANCE"),
     QT_TRANSLATE_NOOP("CommandLine", "Choose Detector H's distance: 100, 750 or 1500.")},
    {window::linkKey::pace, QT_TRANSLATE_NOOP("CommandLine", "PACE"),
     QT_TRANSLATE_NOOP("CommandLine", "Choose the pace: fastest, slower, slow, or the scroll bar's position (0 to "
                                      "32767).")},
};
constexpr const char* runDescription = QT_TRANSLATE_NOOP("CommandLine", "Press Start once the window is open.");

struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
    std::vector<QCommandLineOption> run;
};

Options describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(context, about) + QLatin1Char('\n') +
                                     QCoreApplication::translate(context, qtOptions));
    Options options{parser.addHelpOption(), parser.addVersionOption(), {}};
    for (const RunOption& o : runOptions) {
        options.run.emplace_back(QString::fromLatin1(o.key), QCoreApplication::translate(context, o.description),
                                 QCoreApplication::translate(context, o.valueName));
        parser.addOption(options.run.back());
    }
    options.run.emplace_back(QString::fromLatin1(window::linkKey::run),
                             QCoreApplication::translate(context, runDescription));
    parser.addOption(options.run.back());
    return options;
}

int refuse(const QCommandLineParser& parser, const QString& problem)
{
    std::fprintf(stderr, "%s: %s\n%s", qPrintable(QCoreApplication::applicationName()), qPrintable(problem),
                 qPrintable(parser.helpText()));
    return malformed;
}

} // namespace

void prepare(int argc, char* argv[])
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const Options options = describe(parser);
    // Qt's options are words after a single dash: read whole, -reverse is no -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.parse(words);
    if (parser.isSet(options.help) || parser.isSet(helpAll) || parser.isSet(options.version))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

std::variant<window::LinkSettings, int> answer()
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(window::version));
    QCommandLineParser parser;
    const Options options = describe(parser);
    const QStringList arguments = QCoreApplication::arguments();
    if (!parser.parse(arguments))
        return refuse(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(parser,
                      QCoreApplication::translate(context, unexpected).arg(parser.positionalArguments().first()));
    parser.process(arguments);
    window::LinkSettings settings;
    for (const QCommandLineOption& option : options.run) {
        const std::string key = option.names().first().toStdString();
        if (option.valueName().isEmpty()) {
            if (parser.isSet(option))
                settings.push_back({key, {}});
            continue;
        }
        for (const QString& value : parser.values(option))
            settings.push_back({key, value.toStdString()});
    }
    return settings;
}

} // namespace commandLine
