#pragma once

#include "window/driver/Script.h"
#include "window/form/NumberText.h"
#include "window/form/RunLoop.h"
#include "window/form/Translate.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// The headless drivers' command line, the same for every driver: the options, the actions in
// order, the usage that describes them (for --help and after a malformed line) and the words a
// malformed line is refused with. A driver that draws no picture has no --png and --scale.
namespace window {

// What one driver can do.
struct DriverAbilities {
    std::string program;     // its name, as the usage and its messages give it
    std::string description; // what it does, a few lines
    bool pictures{};         // whether it saves a picture (--png, --scale)
    bool worksheets{};       // whether it saves a worksheet (--worksheet)
    std::vector<std::string> languages;
};

struct DriverLine {
    std::vector<Action> actions;
    // Where the picture of the whole window goes, and at how many device pixels per pixel.
    std::string png;
    double scale{1};
    // Where the last run's readings go: a workbook for a name ending in .xlsx, CSV otherwise.
    std::string readings;
    // Where the last run's result in words goes.
    std::string statement;
    // Where the worksheet made of the last run goes, a PDF.
    std::string worksheet;
    // The language of the picture's captions; English by default.
    std::string language;
};

// The most device pixels per pixel a picture is drawn at.
inline constexpr double maxScale = 4;

// What a driver writes once the actions are done, each into its file: the readings and the
// statement in the language chosen, with its numbers. Nothing where the file is not asked for.
struct DriverOutput {
    std::string file;
    std::string contents;
};
std::vector<DriverOutput> driverOutputs(const DriverLine& line, const std::optional<Measured>& measured,
                                        const NumberText& numbers, const Translate& translate);
// Writes each output whole (window/formats/WholeFile.h) and says on standard error which could not be
// written and why; gives the status the driver ends with, 1 where any could not.
int writeOutputs(const DriverAbilities& abilities, const std::vector<DriverOutput>& outputs);
// Exit closed the window before anything was made to write: says on standard error which files
// were not written; gives the status the driver ends with, 1 where any was asked for.
int closedBeforeOutputs(const DriverAbilities& abilities, const DriverLine& line);

// Reads the words that follow the program's name, the program's own first. Where they ask for the
// help or the version (which end the reading where they stand), or are malformed, the driver has
// nothing to drive: this prints what it has to say (the problem and the usage on standard error)
// and gives the status the driver ends with.
std::variant<DriverLine, int> readDriverLine(const std::vector<std::string>& words, const DriverAbilities& abilities);
std::string driverUsage(const DriverAbilities& abilities);

} // namespace window
