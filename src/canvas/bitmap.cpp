#include "canvas/bitmap.h"

#include <algorithm>
#include <cstring>

#include "canvas/span_fill.h"

namespace kolvar {

namespace {
// Negative sizes make an empty raster rather than a huge allocation.
int NonNegative(int v) { return v < 0 ? 0 : v; }
}  // namespace

Bitmap::Bitmap(int width, int height, Colour fill)
    : width_(NonNegative(width)),
      height_(NonNegative(height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3) {
    Fill(fill);
}

void Bitmap::Resize(int width, int height) {
    width = NonNegative(width);
    height = NonNegative(height);
    if (width == width_ && height == height_) return;
    std::vector<std::uint8_t> next(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0);
    const int keepW = std::min(width, width_);
    const int keepH = std::min(height, height_);
    for (int y = 0; y < keepH; ++y) {
        std::memcpy(next.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3,
                    pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) * 3,
                    static_cast<std::size_t>(keepW) * 3);
    }
    pixels_.swap(next);
    width_ = width;
    height_ = height;
}

Colour Bitmap::Pixel(int x, int y) const {
    if (!Contains(x, y)) return colours::Black;
    const std::uint8_t* p =
        pixels_.data() +
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
    return {p[0], p[1], p[2]};
}

void Bitmap::SetPixel(int x, int y, Colour c) {
    if (!Contains(x, y)) return;
    std::uint8_t* p =
        pixels_.data() +
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
    p[0] = c.Red;
    p[1] = c.Green;
    p[2] = c.Blue;
}

void Bitmap::Fill(Colour c) {
    if (pixels_.empty()) return;
    // One row by pattern doubling, then whole-row copies.
    FillPixels(pixels_.data(), width_, c);
    const std::size_t stride = static_cast<std::size_t>(width_) * 3;
    for (int y = 1; y < height_; ++y)
        std::memcpy(pixels_.data() + stride * static_cast<std::size_t>(y), pixels_.data(), stride);
}

}  // namespace kolvar
