#pragma once

#include <cstdint>
#include <cstring>

#include "canvas/bitmap.h"
#include "canvas/colour.h"

namespace kolvar {

// Writes `count` pixels of colour c starting at row pointer p (3 bytes per pixel).
// Long runs copy the already written part onto the rest, doubling each time,
// which is much faster than storing three bytes per pixel.
inline void FillPixels(std::uint8_t* p, int count, Colour c) {
    if (count <= 0) return;
    p[0] = c.Red;
    p[1] = c.Green;
    p[2] = c.Blue;
    std::size_t done = 3;
    const std::size_t total = static_cast<std::size_t>(count) * 3;
    if (total <= 48) {
        for (; done < total; done += 3) {
            p[done] = c.Red;
            p[done + 1] = c.Green;
            p[done + 2] = c.Blue;
        }
        return;
    }
    while (done < total) {
        const std::size_t chunk = done < total - done ? done : total - done;
        std::memcpy(p + done, p, chunk);
        done += chunk;
    }
}

// Paints pixels x0..x1 (inclusive) of row y; the caller has clipped the run.
inline void FillRun(Bitmap& bitmap, int y, int x0, int x1, Colour c) {
    if (x1 < x0) return;
    FillPixels(bitmap.Data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.Stride()) +
                   static_cast<std::size_t>(x0) * 3,
               x1 - x0 + 1, c);
}

inline std::uint8_t* PixelAt(Bitmap& bitmap, int x, int y) {
    return bitmap.Data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.Stride()) +
           static_cast<std::size_t>(x) * 3;
}

inline void PutPixel(Bitmap& bitmap, int x, int y, Colour c) {
    std::uint8_t* p = PixelAt(bitmap, x, y);
    p[0] = c.Red;
    p[1] = c.Green;
    p[2] = c.Blue;
}

}  // namespace kolvar
