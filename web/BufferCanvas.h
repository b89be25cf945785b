#pragma once

#include "surface/Raster.h"
#include "surface/Surface.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace web {

// A run's picture in a plain buffer of 32-bit pixels, drawn by the rasteriser exactly as the
// window's canvas draws it at one device pixel per pixel: 0xAARRGGBB, premultiplied, transparent
// until painted. A browser page hands the pixels to a <canvas>; the tools hash them.
class BufferCanvas final : public surface::Surface {
public:
    BufferCanvas(int width, int height);

    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void setScaleMode(int) override {}
    void setDrawWidth(int pixels) override;
    void Line(int flags, float x1, float y1, float x2, float y2, surface::Colour colour) override;
    void Circle(float x, float y, float radius) override;
    void flush() override {}

private:
    struct Stroke {
        surface::raster::Segment segment;
        int pen{};
        std::uint32_t pixel{};
        bool operator==(const Stroke&) const = default;
    };

    surface::raster::Buffer buffer();

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    int penPixels_{1};
    // A line that would set exactly the pixels the line before it set is skipped, as the window
    // skips it: the fills draw hundreds of them.
    std::optional<Stroke> lastStroke_;
};

// FNV-1a, 64 bits, over the pixels' bytes in memory order (B, G, R, A on a little-endian machine).
std::uint64_t pixelHash(const std::vector<std::uint32_t>& pixels);

} // namespace web
