#include "app/CommandLine.h"

#include "window/form/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

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

struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
};

Options describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(context, about) + QLatin1Char('\n') +
                                     QCoreApplication::translate(context, qtOptions));
    return {parser.addHelpOption(), parser.addVersionOption()};
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

std::optional<int> answer()
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(window::version));
    QCommandLineParser parser;
    describe(parser);
    const QStringList arguments = QCoreApplication::arguments();
    if (!parser.parse(arguments))
        return refuse(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(parser,
                      QCoreApplication::translate(context, unexpected).arg(parser.positionalArguments().first()));
    parser.process(arguments);
    return std::nullopt;
}

} // namespace commandLine
