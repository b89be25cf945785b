#include "window/driver/DriverLine.h"

#include "window/form/NumberText.h"
#include "window/form/Version.h"
#include "window/formats/WholeFile.h"
#include "window/handout/Statement.h"
#include "window/handout/Workbook.h"

#include <algorithm>
#include <cstdio>

namespace window {
namespace {

constexpr const char* english = "en";

std::string joined(const std::vector<std::string>& words)
{
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : ", ") + word;
    return out;
}

const std::string scaleRange = "1 to " + NumberText().text(maxScale);

// The command line; nothing where it only asks for help or the version, or is malformed, which
// `request` and `problem` then say.
std::optional<DriverLine> read(const std::vector<std::string>& words, const DriverAbilities& abilities,
                               std::string& request, std::string& problem)
{
    DriverLine line;
    line.language = english;
    // An option that takes a file: its value, which must name one.
    const auto file = [&](const std::string& option, std::size_t& i, std::string& into) {
        into = words[i + 1];
        i += 2;
        if (into.empty())
            problem = option + " takes a file name";
        return !into.empty();
    };
    for (std::size_t i = 1; i < words.size();) {
        const std::string& word = words[i];
        const bool valued = i + 1 < words.size();
        if (word == "-h" || word == "--help" || word == "-v" || word == "--version") {
            request = word;
            return std::nullopt;
        } else if (word == "--readings" && valued) {
            if (!file(word, i, line.readings))
                return std::nullopt;
        } else if (word == "--statement" && valued) {
            if (!file(word, i, line.statement))
                return std::nullopt;
        } else if (word == "--worksheet" && valued && abilities.worksheets) {
            if (!file(word, i, line.worksheet))
                return std::nullopt;
        } else if (word == "--png" && valued && abilities.pictures) {
            if (!file(word, i, line.png))
                return std::nullopt;
        } else if (word == "--scale" && valued && abilities.pictures) {
            const std::optional<double> scale = NumberText().number(words[i + 1]);
            i += 2;
            if (!scale || *scale < 1 || *scale > maxScale) {
                problem = "--scale takes a number from " + scaleRange;
                return std::nullopt;
            }
            line.scale = *scale;
        } else if (word == "--lang" && valued) {
            line.language = words[i + 1];
            i += 2;
            const auto& spoken = abilities.languages;
            if (std::find(spoken.begin(), spoken.end(), line.language) == spoken.end()) {
                problem = "--lang takes the code of a language the window speaks";
                return std::nullopt;
            }
        } else if (!readAction(words, i, line.actions, problem)) {
            return std::nullopt;
        }
    }
    return line;
}

} // namespace

std::variant<DriverLine, int> readDriverLine(const std::vector<std::string>& words, const DriverAbilities& abilities)
{
    std::string request;
    std::string problem;
    if (std::optional<DriverLine> line = read(words, abilities, request, problem))
        return std::move(*line);
    if (request == "-h" || request == "--help") {
        std::fputs(driverUsage(abilities).c_str(), stdout);
        return 0;
    }
    if (!request.empty()) {
        std::printf("%s %s\n", abilities.program.c_str(), version);
        return 0;
    }
    std::fprintf(stderr, "%s: %s\n%s", abilities.program.c_str(), problem.c_str(), driverUsage(abilities).c_str());
    return 2;
}

std::vector<DriverOutput> driverOutputs(const DriverLine& line, const std::optional<Measured>& measured,
                                        const NumberText& numbers, const Translate& translate)
{
    std::vector<DriverOutput> outputs;
    if (!line.readings.empty())
        outputs.push_back({line.readings, readingsFile(readingsFormatOf(line.readings), measured, numbers, translate)});
    if (!line.statement.empty())
        outputs.push_back({line.statement, measured ? statement(*measured, numbers, translate) + "\n" : ""});
    return outputs;
}

int writeOutputs(const DriverAbilities& abilities, const std::vector<DriverOutput>& outputs)
{
    int status = 0;
    for (const DriverOutput& output : outputs) {
        if (const std::optional<std::string> why = writeWhole(output.file, output.contents)) {
            std::fprintf(stderr, "%s: cannot write %s: %s\n", abilities.program.c_str(), output.file.c_str(),
                         why->c_str());
            status = 1;
        }
    }
    return status;
}

int closedBeforeOutputs(const DriverAbilities& abilities, const DriverLine& line)
{
    int status = 0;
    for (const std::string* file : {&line.png, &line.readings, &line.statement, &line.worksheet}) {
        if (file->empty())
            continue;
        std::fprintf(stderr, "%s: Exit closed the window, so %s was not written\n", abilities.program.c_str(),
                     file->c_str());
        status = 1;
    }
    return status;
}

std::string driverUsage(const DriverAbilities& abilities)
{
    std::string options = "Options:\n";
    if (abilities.pictures)
        options += "  --png FILE        save a picture of the whole window after the last action\n";
    options += "  --readings FILE   save the last run's readings: a workbook where FILE ends in .xlsx,\n"
               "                    CSV otherwise (the columns' names alone if none ran)\n"
               "  --statement FILE  save the last run's result in words, in the language of --lang\n"
               "                    (empty if none ran)\n";
    if (abilities.worksheets)
        options += "  --worksheet FILE  save a worksheet made of the last run, with its answer key, as a PDF\n"
                   "                    in the language of --lang (refused if none ran)\n";
    if (abilities.pictures)
        options += "  --scale K         draw the picture at K device pixels per pixel (" + scaleRange + ")\n";
    options += "  --lang CODE       the captions' language, one of " + joined(abilities.languages) + "; " + english +
               " by default\n"
               "  -h, --help        print this help and exit\n"
               "  -v, --version     print the version and exit\n";
    return "Usage: " + abilities.program + " [OPTION]... [ACTION]...\n" + abilities.description + "\n" + options +
           "\n" + actionsUsage();
}

} // namespace window
