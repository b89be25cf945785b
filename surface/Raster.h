#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Pixel-level drawing into a 32-bit image, without antialiasing: a segment or ring replaces
// what lies beneath. Coordinates are device pixels as doubles; anything outside the buffer
// is clipped, however far away it lies.
namespace surface::raster {

struct Buffer {
    std::uint32_t* bits{};
    int width{};
    int height{};
    std::ptrdiff_t stride{}; // in pixels
};

// Pixels touched, half-open: left <= x < right, top <= y < bottom. Empty when nothing was drawn.
struct Rect {
    int left{};
    int top{};
    int right{};
    int bottom{};
    bool empty() const { return right <= left || bottom <= top; }
};

// A segment as it is drawn: clipped to the buffer and a margin around it, its ends snapped to
// whole pixels. The pixels a segment sets depend on it, the pen and the buffer alone.
struct Segment {
    long ax{};
    long ay{};
    long bx{};
    long by{};
    bool operator==(const Segment&) const = default;
};

// The segment of a line, or none when no part of it lies near the buffer.
std::optional<Segment> place(const Buffer& buffer, double x1, double y1, double x2, double y2, int pen);
Rect draw(const Buffer& buffer, const Segment& segment, int pen, std::uint32_t pixel);

// place, then draw.
Rect line(const Buffer& buffer, double x1, double y1, double x2, double y2, int pen, std::uint32_t pixel);
Rect circle(const Buffer& buffer, double cx, double cy, double radius, int pen, std::uint32_t pixel);

} // namespace surface::raster
