// The headless driver in WebAssembly, run with node: the same command line, the same trace and the
// same files as the desktop's driver. It performs the actions on the window's logic as a user
// would and prints every drawing operation, then the window's state. There is no window to take a
// picture of.

#include "surface/TraceSurface.h"
#include "web/Translate.h"
#include "window/driver/DriverLine.h"
#include "window/form/Form.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The languages the page's table of translations speaks, "en" first, comma-separated.
EM_JS(int, spokenLanguages, (char* out, int size), { return stringToUTF8(Module.languages(), out, size); });
// Speaks a language from then on; writes the decimal separator its numbers take.
EM_JS(int, useLanguage, (const char* code, char* separator, int size),
      { return stringToUTF8(Module.useLanguage(UTF8ToString(code)), separator, size); });

std::vector<std::string> spoken()
{
    char codes[256];
    spokenLanguages(codes, int(sizeof codes));
    std::vector<std::string> languages;
    std::string code;
    for (const char* c = codes;; ++c) {
        if (*c == ',' || *c == '\0') {
            languages.push_back(code);
            code.clear();
            if (*c == '\0')
                return languages;
        } else {
            code += *c;
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const window::DriverAbilities driver{"total-reflection-driver.js",
                                         "Performs the actions in order on the window of Total reflection as a user\n"
                                         "would, and prints every drawing operation on the window's surface, then\n"
                                         "the window's state.\n",
                                         false, false, spoken()};
    const std::variant<window::DriverLine, int> read =
        window::readDriverLine(std::vector<std::string>(argv, argv + argc), driver);
    if (const int* status = std::get_if<int>(&read))
        return *status;
    const window::DriverLine& line = std::get<window::DriverLine>(read);
    char separator[8];
    useLanguage(line.language.c_str(), separator, int(sizeof separator));

    surface::TraceSurface trace(stdout);
    // The trace's numbers, and the cells', are written with a decimal point.
    const window::NumberText numbers;
    window::Form form(trace, numbers);
    form.Form_Load();
    for (const window::Action& action : line.actions) {
        const window::Clicked clicked = window::perform(form, action);
        // Runs go straight onto the trace, each drawn to its end before the next action; a refusal
        // stands in the trace where the run would have been.
        while (form.frame(window::RunLoop::Clock::duration::max()).more) {
        }
        if (clicked == window::Clicked::Outcome::Refused)
            std::printf("Refused %s\n", clicked.refusal->field->cell);
        // Exit ends the program; nothing more is printed, nor written.
        if (clicked == window::Clicked::Outcome::Closed)
            return window::closedBeforeOutputs(driver, line);
    }
    window::printState(form.state(), stdout);
    return window::writeOutputs(
        driver, window::driverOutputs(line, form.measured(), window::NumberText(separator), web::translate));
}
