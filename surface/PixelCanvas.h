#pragma once

#include "surface/Raster.h"
#include "surface/Surface.h"

#include <cstdint>
#include <optional>

namespace surface {

// How a pixel's four bytes lie in memory: as Qt's 32-bit images hold them (0xAARRGGBB in a
// native word), or red, green, blue and alpha in turn, as a browser's ImageData holds them.
enum class PixelOrder { Argb, Rgba };

// How a canvas turns the drawing operations into pixels of a 32-bit buffer: the same for the
// window's canvas and a browser's. Coordinates are twips; a pen is so many
// logical pixels wide, each that many device pixels. A line that sets exactly the pixels the line
// before it set (the fills draw hundreds of such lines, one twip apart, onto each row of pixels)
// changes nothing, and is not drawn again. Calls with any coordinate that is not finite draw
// nothing. Each call returns the pixels it changed.
class PixelCanvas {
public:
    explicit PixelCanvas(double devicePixelRatio, PixelOrder order = PixelOrder::Argb);

    void setDrawWidth(int pixels);
    int drawWidth() const { return pen_; }
    raster::Rect line(const raster::Buffer& buffer, int flags, float x1, float y1, float x2, float y2, Colour colour);
    raster::Rect circle(const raster::Buffer& buffer, float x, float y, float radius);

private:
    // The last line drawn, and with what.
    struct Stroke {
        raster::Segment segment;
        std::uint32_t pixel{};
        bool operator==(const Stroke&) const = default;
    };

    double devicePixelRatio_;
    PixelOrder order_;
    double pixelsPerTwip_;
    int pen_{1}; // logical pixels
    raster::Pen devicePen_;
    std::optional<Stroke> lastStroke_;
};

} // namespace surface
