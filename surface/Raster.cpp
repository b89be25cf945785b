#include "surface/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace surface::raster {
namespace {

// Liang-Barsky: shortens the segment to the rectangle; false when nothing of it lies inside.
// An end moved onto an edge takes that edge's coordinate exactly: with ends as far out as
// 1e30, interpolating both coordinates would lose every digit that matters on the screen.
bool clip(double& x1, double& y1, double& x2, double& y2, double left, double top, double right, double bottom)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    const double edge[4] = {left, right, top, bottom};
    double t0 = 0.0;
    double t1 = 1.0;
    int edge0 = -1;
    int edge1 = -1;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0 && t > t0) {
            t0 = t;
            edge0 = k;
        } else if (p[k] > 0.0 && t < t1) {
            t1 = t;
            edge1 = k;
        }
        if (t0 > t1)
            return false;
    }
    const auto moveTo = [&](double t, int k, double& x, double& y) {
        const double ox = x1;
        const double oy = y1;
        x = k < 2 ? edge[k] : ox + t * dx;
        y = k >= 2 ? edge[k] : oy + t * dy;
    };
    double nx2 = x2;
    double ny2 = y2;
    if (edge1 >= 0)
        moveTo(t1, edge1, nx2, ny2);
    if (edge0 >= 0)
        moveTo(t0, edge0, x1, y1);
    x2 = nx2;
    y2 = ny2;
    return true;
}

// A coordinate is a twip times the ratio over 15, which lands a hair short of a whole pixel as
// often as on it; within a millionth of a pixel it counts as on it, so that the edge two shapes
// share falls on the same pixel whichever of them it is worked out for.
constexpr double hair = 1e-6;

// The pixel a coordinate near the buffer falls in: rounded down, as std::floor would, without
// the library call.
long floorOf(double coordinate)
{
    const double nudged = coordinate + hair;
    const long truncated = long(nudged);
    return nudged < double(truncated) ? truncated - 1 : truncated;
}

// A run of pixels set to one value, four at a time: each group becomes one 16-byte store.
void fill(std::uint32_t* first, long count, std::uint32_t pixel)
{
    const std::uint32_t group[4] = {pixel, pixel, pixel, pixel};
    long k = 0;
    for (; k + 4 <= count; k += 4)
        std::memcpy(first + k, group, sizeof group);
    for (; k < count; ++k)
        first[k] = pixel;
}

// Across a slanted line: the whole pixels about its own.
Band slanted(const Pen& pen)
{
    return {pen.before(), pen.whole()};
}

// Across a line along a row or a column whose middle lies at c, or a dot centred there: the
// pixels between the pen's edges, as many as the width rounded down or up, and at least one.
Band between(double c, const Pen& pen)
{
    const double fraction = c - double(floorOf(c));
    return {pen.before(), int(std::max(1L, floorOf(fraction + pen.width())))};
}

class Painter {
public:
    Painter(const Buffer& buffer, std::uint32_t pixel)
        : b_(buffer)
        , pixel_(pixel)
    {
    }

    // Pixels x0..x1 of row y, with the band across it.
    void row(long y, long x0, long x1, Band across)
    {
        block(x0, x1, y - across.before, y - across.before + across.count - 1);
    }

    // Pixels y0..y1 of column x, with the band across it.
    void column(long x, long y0, long y1, Band across)
    {
        block(x - across.before, x - across.before + across.count - 1, y0, y1);
    }

    // Pixels x0..x1 of rows y0..y1, clipped to the buffer.
    void block(long x0, long x1, long y0, long y1)
    {
        const long xa = std::max<long>(x0, 0);
        const long xb = std::min<long>(x1, b_.width - 1);
        const long ya = std::max<long>(y0, 0);
        const long yb = std::min<long>(y1, b_.height - 1);
        if (xa > xb || ya > yb)
            return;
        std::uint32_t* first = b_.bits + ya * b_.stride + xa;
        if (xa == xb) {
            // One pixel wide, the usual case of a steep line: a plain walk down the column.
            for (long yy = ya; yy <= yb; ++yy, first += b_.stride)
                *first = pixel_;
        } else {
            for (long yy = ya; yy <= yb; ++yy, first += b_.stride)
                fill(first, xb - xa + 1, pixel_);
        }
        touch(xa, ya, xb, yb);
    }

    Rect touched() const { return r_; }

private:
    void touch(long xa, long ya, long xb, long yb)
    {
        if (r_.empty()) {
            r_ = {int(xa), int(ya), int(xb) + 1, int(yb) + 1};
            return;
        }
        r_.left = std::min(r_.left, int(xa));
        r_.top = std::min(r_.top, int(ya));
        r_.right = std::max(r_.right, int(xb) + 1);
        r_.bottom = std::max(r_.bottom, int(yb) + 1);
    }

    Buffer b_;
    std::uint32_t pixel_;
    Rect r_;
};

// First step t (0 <= t <= major) at which the minor coordinate has advanced by k, for a
// segment that moves `minor` (> 0) pixels across while it moves `major` pixels along.
long firstStepOf(long k, long major, long minor)
{
    if (k == 0)
        return 0;
    const long numerator = (2 * k - 1) * major;
    return (numerator + 2 * minor - 1) / (2 * minor);
}

// Walks a segment from (a0, b0) to (a1, b1) along its major axis a, handing each run of
// pixels that share one minor coordinate b to run(b, aFrom, aTo): a mostly horizontal segment
// is a few long rows, a mostly vertical one a few long columns.
template <class Run> void runs(long a0, long b0, long a1, long b1, Run run)
{
    if (a1 < a0) {
        std::swap(a0, a1);
        std::swap(b0, b1);
    }
    const long major = a1 - a0;
    const long minor = std::labs(b1 - b0);
    const long sign = b1 >= b0 ? 1 : -1;
    if (minor == 0) {
        run(b0, a0, a1);
        return;
    }
    for (long k = 0; k <= minor; ++k) {
        const long from = firstStepOf(k, major, minor);
        const long to = k == minor ? major : firstStepOf(k + 1, major, minor) - 1;
        run(b0 + sign * k, a0 + from, a0 + to);
    }
}

} // namespace

Pen::Pen(double width)
    : width_(width)
    , whole_(std::max(1, int(std::ceil(width - hair))))
{
}

std::optional<Segment> place(const Buffer& buffer, double x1, double y1, double x2, double y2, Pen pen)
{
    const double margin = pen.whole() + 1.0;
    const double left = -margin;
    const double top = -margin;
    const double right = buffer.width + margin;
    const double bottom = buffer.height + margin;
    // Most lines lie wholly inside, and clipping would leave them as they are.
    const bool inside = x1 >= left && x1 <= right && x2 >= left && x2 <= right && y1 >= top && y1 <= bottom &&
                        y2 >= top && y2 <= bottom;
    if (!inside && !clip(x1, y1, x2, y2, left, top, right, bottom))
        return std::nullopt;
    // Clipping leaves a line along a row on its row, and one along a column on its column.
    const bool alongRow = y1 == y2;
    const bool alongColumn = x1 == x2 && !alongRow;
    const Band across = alongRow ? between(y1, pen) : alongColumn ? between(x1, pen) : slanted(pen);
    return Segment{floorOf(x1), floorOf(y1), floorOf(x2), floorOf(y2), across};
}

Rect line(const Buffer& buffer, double x1, double y1, double x2, double y2, Pen pen, std::uint32_t pixel)
{
    const std::optional<Segment> segment = place(buffer, x1, y1, x2, y2, pen);
    return segment ? draw(buffer, *segment, pixel) : Rect{};
}

Rect draw(const Buffer& buffer, const Segment& segment, std::uint32_t pixel)
{
    Painter painter(buffer, pixel);
    const Segment& g = segment;
    if (std::labs(g.bx - g.ax) >= std::labs(g.by - g.ay))
        runs(g.ax, g.ay, g.bx, g.by, [&](long y, long x0, long x1) { painter.row(y, x0, x1, g.across); });
    else
        runs(g.ay, g.ax, g.by, g.bx, [&](long x, long y0, long y1) { painter.column(x, y0, y1, g.across); });
    return painter.touched();
}

Rect circle(const Buffer& buffer, double cx, double cy, double radius, Pen pen, std::uint32_t pixel)
{
    Painter painter(buffer, pixel);
    // Larger rings than this never occur on the window; refusing them keeps the loop bounded.
    constexpr double largestRadius = 1 << 20;
    if (!(std::fabs(radius) <= largestRadius))
        return {};
    const double reach = std::fabs(radius) + pen.whole() + 1.0;
    if (cx + reach < 0 || cy + reach < 0 || cx - reach > buffer.width || cy - reach > buffer.height)
        return {};

    const long x0 = floorOf(cx);
    const long y0 = floorOf(cy);
    const Band across = between(cx, pen);
    const Band down = between(cy, pen);
    const auto dot = [&](long x, long y) {
        painter.block(x - across.before, x - across.before + across.count - 1, y - down.before,
                      y - down.before + down.count - 1);
    };
    const long r = std::lround(std::fabs(radius));
    if (r == 0) {
        dot(x0, y0);
        return painter.touched();
    }
    // Midpoint circle: one octant computed, eight plotted.
    long x = r;
    long y = 0;
    long err = 1 - r;
    while (x >= y) {
        dot(x0 + x, y0 + y);
        dot(x0 + y, y0 + x);
        dot(x0 - y, y0 + x);
        dot(x0 - x, y0 + y);
        dot(x0 - x, y0 - y);
        dot(x0 - y, y0 - x);
        dot(x0 + y, y0 - x);
        dot(x0 + x, y0 - y);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
    return painter.touched();
}

} // namespace surface::raster
