#include "canvas/flood_fill.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "canvas/clip.h"

namespace kolvar {

namespace {

// Pixel tests against one colour, four pixels at a time where possible: the
// fills of the chart cover up to a million pixels, so the row scans dominate.
class Matcher {
public:
    explicit Matcher(Colour c) : c_(c) {
        for (int i = 0; i < 4; ++i) {
            quad_[3 * i] = c.Red;
            quad_[3 * i + 1] = c.Green;
            quad_[3 * i + 2] = c.Blue;
        }
    }
    bool Is(const std::uint8_t* row, int x) const {
        const std::uint8_t* p = row + static_cast<std::size_t>(x) * 3;
        return p[0] == c_.Red && p[1] == c_.Green && p[2] == c_.Blue;
    }
    // First x in [x, end) whose pixel is not the colour (end if none).
    int SkipMatching(const std::uint8_t* row, int x, int end) const {
        while (x + 4 <= end && std::memcmp(row + static_cast<std::size_t>(x) * 3, quad_, 12) == 0) x += 4;
        while (x < end && Is(row, x)) ++x;
        return x;
    }
    // First x in [x, end) whose pixel is the colour (end if none).
    int SkipOthers(const std::uint8_t* row, int x, int end) const {
        while (x < end && !Is(row, x)) ++x;
        return x;
    }
    // Smallest x' >= lo such that [x', x] all match (x itself matches).
    int ExtendLeft(const std::uint8_t* row, int x, int lo) const {
        while (x - 4 >= lo && std::memcmp(row + static_cast<std::size_t>(x - 4) * 3, quad_, 12) == 0) x -= 4;
        while (x - 1 >= lo && Is(row, x - 1)) --x;
        return x;
    }

private:
    Colour c_;
    std::uint8_t quad_[12];
};

// A pixel to start a span from, with the span of the row it was found from
// (that row needs no second look over the same columns).
struct Seed {
    int x, y;
    int dir;  // +1: found from the row above, -1: from the row below, 0: start
    int parentLo, parentHi;
};

}  // namespace

void FloodFillSurfaceArea(Bitmap& bitmap, const Rect& clip, int x, int y, Colour surface, Colour brush) {
    if (x < clip.Left || x >= clip.Right || y < clip.Top || y >= clip.Bottom) return;
    const Matcher match(surface);
    if (!match.Is(PixelAt(bitmap, 0, y), x)) return;
    // Painting the surface colour over itself changes nothing (and would never
    // end the scan below, which relies on painted pixels changing colour).
    if (surface == brush) return;

    std::vector<Seed> stack;
    stack.reserve(256);
    stack.push_back({x, y, 0, 0, -1});
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        std::uint8_t* row = PixelAt(bitmap, 0, s.y);
        if (!match.Is(row, s.x)) continue;  // painted meanwhile by another span
        const int lo = match.ExtendLeft(row, s.x, clip.Left);
        const int hi = match.SkipMatching(row, s.x, clip.Right) - 1;
        FillRun(bitmap, s.y, lo, hi, brush);

        // One seed for every run of surface pixels next to the painted run.
        auto scan = [&](int ny, int from, int to, int dir) {  // columns [from, to]
            if (ny < clip.Top || ny >= clip.Bottom || to < from) return;
            const std::uint8_t* nrow = PixelAt(bitmap, 0, ny);
            int i = from;
            while (i <= to) {
                i = match.SkipOthers(nrow, i, to + 1);
                if (i > to) break;
                stack.push_back({i, ny, dir, lo, hi});
                i = match.SkipMatching(nrow, i, to + 1);
            }
        };
        // Onwards in the direction the fill came from.
        if (s.dir >= 0) scan(s.y + 1, lo, hi, +1);
        if (s.dir <= 0) scan(s.y - 1, lo, hi, -1);
        // Back towards the parent row, only where this run reaches beyond it.
        if (s.dir != 0) {
            scan(s.y - s.dir, lo, s.parentLo - 1, -s.dir);
            scan(s.y - s.dir, s.parentHi + 1, hi, -s.dir);
        }
    }
}

}  // namespace kolvar
