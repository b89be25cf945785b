#include "web/BufferCanvas.h"

#include <algorithm>
#include <cmath>

namespace web {
namespace {

constexpr double pixelsPerTwip = 1.0 / surface::twipsPerPixel;

std::uint32_t pixelOf(surface::Colour colour)
{
    const std::uint32_t red = colour & 0xFFu;
    const std::uint32_t green = (colour >> 8) & 0xFFu;
    const std::uint32_t blue = (colour >> 16) & 0xFFu;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

bool finite(float a, float b, float c, float d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

BufferCanvas::BufferCanvas(int width, int height)
    : width_(width)
    , height_(height)
    , pixels_(std::size_t(width) * std::size_t(height), 0u)
{
}

void BufferCanvas::setDrawWidth(int pixels)
{
    penPixels_ = std::clamp(pixels, 1, 64);
}

void BufferCanvas::Line(int flags, float x1, float y1, float x2, float y2, surface::Colour colour)
{
    if (!finite(x1, y1, x2, y2))
        return;
    const surface::Colour drawn = flags == surface::lineInColour ? colour : surface::foregroundColour;
    const double s = pixelsPerTwip;
    const surface::raster::Buffer target = buffer();
    const auto segment = surface::raster::place(target, x1 * s, y1 * s, x2 * s, y2 * s, penPixels_);
    if (!segment)
        return;
    const Stroke stroke{*segment, penPixels_, pixelOf(drawn)};
    if (stroke == lastStroke_)
        return;
    lastStroke_ = stroke;
    surface::raster::draw(target, stroke.segment, stroke.pen, stroke.pixel);
}

void BufferCanvas::Circle(float x, float y, float radius)
{
    if (!finite(x, y, radius, 0.0f))
        return;
    lastStroke_.reset();
    const double s = pixelsPerTwip;
    surface::raster::circle(buffer(), x * s, y * s, radius * s, penPixels_, pixelOf(surface::foregroundColour));
}

surface::raster::Buffer BufferCanvas::buffer()
{
    return {pixels_.data(), width_, height_, width_};
}

std::uint64_t pixelHash(const std::vector<std::uint32_t>& pixels)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const std::uint32_t pixel : pixels) {
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (pixel >> (8 * byte)) & 0xFFu;
            hash *= 0x100000001b3u;
        }
    }
    return hash;
}

} // namespace web
