#pragma once

#include "app/Languages.h"
#include "window/Script.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// The driver's command line: the options, the actions in order, and the usage that describes
// them, for --help and after a malformed line.
namespace driver {

inline constexpr const char* name = "total-reflection-driver";
// The most device pixels per pixel a picture is drawn at.
inline constexpr int maxScale = 4;

struct CommandLine {
    // Drive the window, or only say what the driver is.
    enum class Request { Drive, Help, Version };
    Request request{Request::Drive};
    std::vector<window::Action> actions;
    QString png;
    // Where the last run's readings go, as CSV.
    QString readings;
    // Device pixels per logical pixel of the picture, whole or not.
    double scale{1};
    // The language of the picture's captions.
    QString language{QString::fromLatin1(languages::english)};
};

// Reads the words that follow the program's name. Help and the version end the reading where
// they stand. Nothing is read, and the reason is given, when the line is malformed.
std::optional<CommandLine> parse(const std::vector<std::string>& args, std::string& problem);
std::string usage();

} // namespace driver
