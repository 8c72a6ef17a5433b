#pragma once

#include <string>

#include "canvas/bitmap.h"
#include "canvas/colour.h"

namespace kolvar::test {

inline int CountColour(const Bitmap& b, Colour c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) == c) ++n;
    return n;
}

// Pixels that differ between two pictures of one size.
inline int DifferingPixels(const Bitmap& a, const Bitmap& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) ++n;
    return n;
}

inline bool SamePixels(const Bitmap& a, const Bitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && DifferingPixels(a, b) == 0;
}

// Rows of '#' (colour c) and '.' (anything else), for readable failure output.
inline std::string Picture(const Bitmap& b, Colour c) {
    std::string s;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) s += b.Pixel(x, y) == c ? '#' : '.';
        s += '\n';
    }
    return s;
}

inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kBlue{0, 0, 255};

}  // namespace kolvar::test
