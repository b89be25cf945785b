// The headless driver in WebAssembly, run with node: the same actions and the same trace as the
// desktop's driver. It performs the actions on the window's logic as a user would and prints
// every drawing operation, then the window's state. There is no window to take a picture of.

#include "sim/Run.h"
#include "surface/TraceSurface.h"
#include "web/SeparatorNumbers.h"
#include "window/Form.h"
#include "window/Script.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int usage(const std::string& problem)
{
    std::fprintf(stderr,
                 "total-reflection-driver.js: %s\n"
                 "Usage: node total-reflection-driver.js [ACTION ...]\n"
                 "%s",
                 problem.c_str(), window::actionsUsage().c_str());
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

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> words(argv, argv + argc);
    std::vector<window::Action> actions;
    for (std::size_t i = 1; i < words.size();) {
        std::string problem;
        if (!window::readAction(words, i, actions, problem))
            return usage(problem);
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
        if (host.unloaded)
            return 0; // Exit ends the program; nothing more is printed
    }
    window::printState(form.state(), stdout);
    return 0;
}
