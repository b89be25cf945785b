#include "tools/CommandLine.h"

namespace driver {
namespace {

const std::string scaleRange = "1 to " + std::to_string(maxScale);

} // namespace

std::optional<CommandLine> parse(const std::vector<std::string>& args, std::string& problem)
{
    CommandLine line;
    for (std::size_t i = 1; i < args.size();) {
        const std::string& word = args[i];
        const std::size_t left = args.size() - i - 1;
        if (word == "-h" || word == "--help") {
            line.request = CommandLine::Request::Help;
            return line;
        } else if (word == "-v" || word == "--version") {
            line.request = CommandLine::Request::Version;
            return line;
        } else if (word == "--png" && left >= 1) {
            line.png = QString::fromStdString(args[i + 1]);
            i += 2;
            if (line.png.isEmpty()) {
                problem = "--png takes a file name";
                return std::nullopt;
            }
        } else if (word == "--readings" && left >= 1) {
            line.readings = QString::fromStdString(args[i + 1]);
            i += 2;
            if (line.readings.isEmpty()) {
                problem = "--readings takes a file name";
                return std::nullopt;
            }
        } else if (word == "--scale" && left >= 1) {
            bool ok = false;
            line.scale = QString::fromStdString(args[i + 1]).toDouble(&ok);
            i += 2;
            if (!ok || !(line.scale >= 1 && line.scale <= maxScale)) {
                problem = "--scale takes a number from " + scaleRange;
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

std::string usage()
{
    return std::string("Usage: ") + name +
           " [OPTION]... [ACTION]...\n"
           "Opens the window of Total reflection offscreen, performs the actions in order\n"
           "as a user would, and prints every drawing operation on the window's surface,\n"
           "then the window's state.\n"
           "\n"
           "Options:\n"
           "  --png FILE        save a picture of the whole window after the last action\n" +
           window::readingsUsage() + "  --scale K         draw the picture at K device pixels per pixel (" +
           scaleRange +
           ")\n"
           "  --lang CODE       the captions' language, one of " +
           languages::available().join(QStringLiteral(", ")).toStdString() + "; " + languages::english +
           " by default\n"
           "  -h, --help        print this help and exit\n"
           "  -v, --version     print the version and exit\n"
           "\n" +
           window::actionsUsage();
}

} // namespace driver
