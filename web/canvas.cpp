// What a page calls to draw a run: the picture comes back as the bytes an ImageData takes.

#include "sim/Run.h"
#include "web/BufferCanvas.h"
#include "web/Choices.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int canvasWidth = 763;
constexpr int canvasHeight = 575;

std::vector<std::uint8_t> rgba(std::size_t(canvasWidth) * canvasHeight * 4);

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int tr_width()
{
    return canvasWidth;
}

EMSCRIPTEN_KEEPALIVE int tr_height()
{
    return canvasHeight;
}

// One press of Start with the options given as the window's words (see Choices.h). Returns the
// picture, R, G, B, A for each pixel row by row, or null when a word is not an option's.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* tr_run(const char* substance, const char* alfaCaption, const char* distance)
{
    const std::optional<sim::RunSettings> settings = web::chosenSettings(substance, alfaCaption, distance);
    if (!settings)
        return nullptr;
    web::BufferCanvas canvas(canvasWidth, canvasHeight);
    sim::run(*settings, canvas);
    std::uint8_t* out = rgba.data();
    for (const std::uint32_t pixel : canvas.pixels()) {
        // Every pixel a run paints is opaque, so premultiplying changed nothing.
        *out++ = std::uint8_t(pixel >> 16);
        *out++ = std::uint8_t(pixel >> 8);
        *out++ = std::uint8_t(pixel);
        *out++ = std::uint8_t(pixel >> 24);
    }
    return rgba.data();
}
}
