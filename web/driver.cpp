// The headless driver in WebAssembly, run with node: the same command line, the same trace and the
// same readings as the desktop's driver. It performs the actions on the window's logic as a user
// would and prints every drawing operation, then the window's state. There is no window to take a
// picture of.

#include "surface/TraceSurface.h"
#include "window/DriverLine.h"
#include "window/Form.h"
#include "window/Readings.h"
#include "window/WholeFile.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const window::DriverAbilities driver{"total-reflection-driver.js",
                                         "Performs the actions in order on the window of Total reflection as a user\n"
                                         "would, and prints every drawing operation on the window's surface, then\n"
                                         "the window's state.\n",
                                         false,
                                         {"en"}};
    const std::variant<window::DriverLine, int> read =
        window::readDriverLine(std::vector<std::string>(argv, argv + argc), driver);
    if (const int* status = std::get_if<int>(&read))
        return *status;
    const window::DriverLine* line = &std::get<window::DriverLine>(read);
    surface::TraceSurface trace(stdout);
    // The trace's numbers, and the cells', are written with a decimal point.
    const window::NumberText numbers;
    window::Form form(trace, numbers);
    form.Form_Load();
    for (const window::Action& action : line->actions) {
        const window::Clicked clicked = window::perform(form, action);
        // Runs go straight onto the trace, each drawn to its end before the next action; a refusal
        // stands in the trace where the run would have been.
        while (form.runFrame(window::RunLoop::Clock::duration::max())) {
        }
        if (clicked == window::Clicked::Outcome::Refused)
            std::printf("Refused %s\n", clicked.refusal->field->cell);
        if (clicked == window::Clicked::Outcome::Closed) {
            // Exit ends the program; nothing more is printed, nor written.
            if (line->readings.empty())
                return 0;
            std::fprintf(stderr, "%s: Exit closed the window, so %s was not written\n", driver.program.c_str(),
                         line->readings.c_str());
            return 1;
        }
    }
    window::printState(form.state(), stdout);
    if (line->readings.empty())
        return 0;
    if (const std::optional<std::string> why =
            window::writeWhole(line->readings, window::readingsCsv(form.measured()))) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", driver.program.c_str(), line->readings.c_str(), why->c_str());
        return 1;
    }
    return 0;
}
