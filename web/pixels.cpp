// Draws the six runs of substance and angle, with Detector H at 750, as the window's canvas
// draws them, and prints a hash of each picture's pixels; with --time N, also the median time of
// N whole runs (the sums and the drawing) of the start-up settings.

#include "sim/Run.h"
#include "web/BufferCanvas.h"
#include "web/Choices.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int canvasWidth = 763;
constexpr int canvasHeight = 575;

std::uint64_t hashOfRun(const sim::RunSettings& settings)
{
    web::BufferCanvas canvas(canvasWidth, canvasHeight);
    sim::run(settings, canvas);
    return web::pixelHash(canvas.pixels());
}

double medianMilliseconds(const sim::RunSettings& settings, int repeats)
{
    std::vector<double> times;
    for (int k = 0; k < repeats; ++k) {
        const auto start = std::chrono::steady_clock::now();
        web::BufferCanvas canvas(canvasWidth, canvasHeight);
        sim::run(settings, canvas);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    int repeats = 0;
    if (argc == 3 && std::strcmp(argv[1], "--time") == 0)
        repeats = std::atoi(argv[2]);
    if (argc != 1 && repeats <= 0) {
        std::fprintf(stderr, "usage: total-reflection-pixels [--time N]\n");
        return 2;
    }
    for (const char* substance : {"Voda", "Sklo"}) {
        for (const char* angle : {"35", "Mezní", "60"}) {
            const auto settings = web::chosenSettings(substance, angle, "750");
            std::printf("%s %s 750 %016" PRIx64 "\n", substance, angle, hashOfRun(*settings));
        }
    }
    if (repeats > 0)
        std::printf("median of %d runs: %.2f ms\n", repeats,
                    medianMilliseconds(*web::chosenSettings("Voda", "35", "750"), repeats));
    return 0;
}
