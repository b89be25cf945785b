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

// A pen as wide as so many device pixels: a logical pen's width times the device pixel ratio,
// which is a whole number only at whole ratios.
//
// Shapes are mapped to pixels by their edges, so that shapes which touch at one ratio touch at
// every ratio. A line along a row (or a column) whose middle lies at y covers the rows from
// floor(y) - before to floor(y + width) - before - 1: lines one logical pixel apart tile, with no
// row between them and none shared, however many rows each covers. A slanted line covers the
// same whole number of pixels across wherever it lies. `before` is the rows (or columns) that
// whole number puts before the line's own, as many as after or one fewer.
class Pen {
public:
    explicit Pen(double width = 1);

    double width() const { return width_; }
    // What a slanted line covers across: the width rounded up, never narrower than the pen, so
    // that lines which touch at one device pixel per pixel, such as the windings of a spiral,
    // touch at every ratio.
    int whole() const { return whole_; }
    int before() const { return (whole_ - 1) / 2; }

private:
    double width_;
    int whole_;
};

// The pixels a pen covers across a line, or across one of a ring's dots along one axis: `count`
// of them, the first `before` pixels before the line's own.
struct Band {
    int before{};
    int count{1};
    bool operator==(const Band&) const = default;
};

// A segment as it is drawn: clipped to the buffer and a margin around it, its ends snapped to
// whole pixels, with the pixels its pen covers across it. The pixels a segment sets depend on it
// and the buffer alone.
struct Segment {
    long ax{};
    long ay{};
    long bx{};
    long by{};
    Band across;
    bool operator==(const Segment&) const = default;
};

// The segment of a line, or none when no part of it lies near the buffer.
std::optional<Segment> place(const Buffer& buffer, double x1, double y1, double x2, double y2, Pen pen);
Rect draw(const Buffer& buffer, const Segment& segment, std::uint32_t pixel);

// place, then draw.
Rect line(const Buffer& buffer, double x1, double y1, double x2, double y2, Pen pen, std::uint32_t pixel);
// A ring of dots, each covering the pen's band along both axes about its centre's pixel.
Rect circle(const Buffer& buffer, double cx, double cy, double radius, Pen pen, std::uint32_t pixel);

} // namespace surface::raster
