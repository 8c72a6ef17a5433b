#include "canvas/flood_fill.h"

#include <cstdint>
#include <vector>

#include "canvas/clip.h"

namespace kolvar {

namespace {

inline bool Is(const std::uint8_t* p, Colour c) { return p[0] == c.Red && p[1] == c.Green && p[2] == c.Blue; }

struct Seed {
    int x, y;
};

}  // namespace

void FloodFillSurfaceArea(Bitmap& bitmap, const Rect& clip, int x, int y, Colour surface, Colour brush) {
    if (x < clip.Left || x >= clip.Right || y < clip.Top || y >= clip.Bottom) return;
    if (!Is(PixelAt(bitmap, x, y), surface)) return;
    // Painting the surface colour over itself changes nothing (and would never
    // terminate the scan below, which relies on painted pixels changing colour).
    if (surface == brush) return;

    std::vector<Seed> stack;
    stack.reserve(256);
    stack.push_back({x, y});
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        std::uint8_t* row = PixelAt(bitmap, 0, s.y);
        if (!Is(row + static_cast<std::size_t>(s.x) * 3, surface)) continue;
        int lo = s.x, hi = s.x;
        while (lo > clip.Left && Is(row + static_cast<std::size_t>(lo - 1) * 3, surface)) --lo;
        while (hi + 1 < clip.Right && Is(row + static_cast<std::size_t>(hi + 1) * 3, surface)) ++hi;
        FillRun(bitmap, s.y, lo, hi, brush);
        // One seed for every run of surface pixels next to the painted run.
        for (int ny : {s.y - 1, s.y + 1}) {
            if (ny < clip.Top || ny >= clip.Bottom) continue;
            const std::uint8_t* nrow = PixelAt(bitmap, 0, ny);
            bool inRun = false;
            for (int i = lo; i <= hi; ++i) {
                const bool match = Is(nrow + static_cast<std::size_t>(i) * 3, surface);
                if (match && !inRun) stack.push_back({i, ny});
                inRun = match;
            }
        }
    }
}

}  // namespace kolvar
