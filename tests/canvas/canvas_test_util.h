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
