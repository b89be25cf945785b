#pragma once

#include <cstdint>

namespace surface {

// A colour as the window system stores it: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour foregroundColour = 0x000000;

// A colour's three parts, each 0 to 255.
struct Rgb {
    unsigned red;
    unsigned green;
    unsigned blue;
};
constexpr Rgb rgbOf(Colour colour)
{
    return {colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu};
}

// Flags of a Line call: 4 draws in the window's foreground colour (black), 6 in the colour given.
inline constexpr int lineInForeground = 4;
inline constexpr int lineInColour = 6;

// The only scale mode a run uses: coordinates in twips, 1/1440 inch.
inline constexpr int scaleModeTwips = 1;

// The window's surface has 15 twips to one logical pixel.
inline constexpr int twipsPerPixel = 15;

// Everything a run and the window draw goes through these operations. Coordinates are
// single-precision twips from the top-left corner of the client area, y downward.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void setScaleMode(int mode) = 0;
    // Pen width in pixels for the following Line and Circle calls.
    virtual void setDrawWidth(int pixels) = 0;
    // A solid segment in the current pen width that replaces what lies beneath.
    virtual void Line(int flags, float x1, float y1, float x2, float y2, Colour colour) = 0;
    // A full circle in the foreground colour.
    virtual void Circle(float x, float y, float radius) = 0;
};

} // namespace surface
