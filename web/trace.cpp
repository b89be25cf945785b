// Prints one run's drawing operations in the headless driver's trace format, for comparing the
// WebAssembly build's runs with the desktop's.

#include "sim/Run.h"
#include "surface/TraceSurface.h"
#include "web/Choices.h"

#include <cstdio>
#include <optional>

int main(int argc, char* argv[])
{
    const std::optional<sim::RunSettings> settings =
        argc == 4 ? web::chosenSettings(argv[1], argv[2], argv[3]) : std::nullopt;
    if (!settings) {
        std::fprintf(stderr, "usage: total-reflection-trace Voda|Sklo 35|Mezní|60 100|750|1500\n");
        return 2;
    }
    surface::TraceSurface trace(stdout);
    sim::run(*settings, trace);
    return 0;
}
