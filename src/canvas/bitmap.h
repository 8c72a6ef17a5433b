#pragma once

#include <cstdint>
#include <vector>

#include "canvas/colour.h"

namespace kolvar {

// A 24-bit RGB raster, rows top to bottom, 3 bytes per pixel (R, G, B),
// no row padding. Reads outside the raster give black; writes are dropped.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Colour fill = colours::Black);

    // Changes the size; kept pixels stay where they are, new ones are black.
    void Resize(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);
    void Fill(Colour c);

    const std::uint8_t* Data() const { return pixels_.data(); }
    std::uint8_t* Data() { return pixels_.data(); }
    int Stride() const { return width_ * 3; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace kolvar
