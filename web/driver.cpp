// The headless driver in WebAssembly, run with node: the same actions, the same trace and the
// same readings as the desktop's driver. It performs the actions on the window's logic as a user
// would and prints every drawing operation, then the window's state. There is no window to take a
// picture of.

#include "sim/Run.h"
#include "surface/TraceSurface.h"
#include "web/SeparatorNumbers.h"
#include "window/Form.h"
#include "window/Readings.h"
#include "window/Script.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int usage(const std::string& problem)
{
    std::fprintf(stderr,
                 "total-reflection-driver.js: %s\n"
                 "Usage: node total-reflection-driver.js [--readings FILE] [ACTION ...]\n"
                 "%s%s",
                 problem.c_str(), window::readingsUsage().c_str(), window::actionsUsage().c_str());
    return 2;
}

// Runs go straight onto the trace, each drawn to its end before the next action; a refusal
// stands in the trace where the run would have been.
class TraceHost final : public window::Host {
public:
    bool unloaded{false};

    void runBegun() override {}
    void refuse(const window::Refusal& refusal) override { std::printf("Refused %s\n", refusal.field->cell); }
    void unload() override { unloaded = true; }
};

// Writes a file whole or not at all: beside it first, then renamed over it. Returns why it could
// not, or nothing when it was written.
std::optional<std::string> writeWhole(const std::string& file, const std::string& contents)
{
    const std::string partial = file + ".partial";
    std::FILE* out = std::fopen(partial.c_str(), "wb");
    if (!out)
        return std::strerror(errno);
    const bool written =
        std::fwrite(contents.data(), 1, contents.size(), out) == contents.size() && std::fflush(out) == 0;
    const int problem = errno;
    if (std::fclose(out) != 0 || !written) {
        std::remove(partial.c_str());
        return std::strerror(written ? errno : problem);
    }
    if (std::rename(partial.c_str(), file.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        std::remove(partial.c_str());
        return why;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> words(argv, argv + argc);
    std::vector<window::Action> actions;
    std::string readings;
    for (std::size_t i = 1; i < words.size();) {
        std::string problem;
        if (words[i] == "--readings" && i + 1 < words.size() && !words[i + 1].empty()) {
            readings = words[i + 1];
            i += 2;
        } else if (!window::readAction(words, i, actions, problem)) {
            return usage(problem);
        }
    }
    surface::TraceSurface trace(stdout);
    TraceHost host;
    // The trace's numbers, and the cells', are written with a decimal point.
    const web::SeparatorNumbers numbers(".");
    window::Form form(host, trace, numbers);
    form.Form_Load();
    for (const window::Action& action : actions) {
        window::perform(form, action);
        while (form.runFrame(window::RunLoop::Clock::duration::max())) {
        }
        if (host.unloaded) {
            // Exit ends the program; nothing more is printed, nor written.
            if (readings.empty())
                return 0;
            std::fprintf(stderr, "total-reflection-driver.js: Exit closed the window, so %s was not written\n",
                         readings.c_str());
            return 1;
        }
    }
    window::printState(form.state(), stdout);
    if (readings.empty())
        return 0;
    if (const std::optional<std::string> problem = writeWhole(readings, window::readingsCsv(form.measured()))) {
        std::fprintf(stderr, "total-reflection-driver.js: cannot write %s: %s\n", readings.c_str(), problem->c_str());
        return 1;
    }
    return 0;
}
