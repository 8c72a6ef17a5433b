#include <gtest/gtest.h>

#include <cstdint>
#include <queue>
#include <utility>

#include "canvas/canvas.h"
#include "canvas_test_util.h"

namespace kolvar {
namespace {

using test::CountColour;
using test::kBlue;
using test::kRed;

TEST(FloodFill, FillsExactSurfaceColourOnly) {
    Bitmap b(10, 10, colours::Black);
    b.SetPixel(5, 5, Colour{0, 0, 1});  // almost black is not the surface
    Canvas c(b);
    c.SetBrushColour(kBlue);
    c.FloodFillSurface(0, 0, colours::Black);
    EXPECT_EQ(CountColour(b, kBlue), 99);
    EXPECT_EQ(b.Pixel(5, 5), (Colour{0, 0, 1}));
}

TEST(FloodFill, DoesNotLeakThroughDiagonalGap) {
    // A diagonal wall of single pixels separates the corners for 4-connected fills.
    Bitmap b(12, 12, colours::Black);
    for (int i = 0; i < 12; ++i) b.SetPixel(i, 11 - i, kRed);
    Canvas c(b);
    c.SetBrushColour(kBlue);
    c.FloodFillSurface(0, 0, colours::Black);
    EXPECT_EQ(CountColour(b, kBlue), 66);
    EXPECT_EQ(b.Pixel(11, 11), colours::Black);
    EXPECT_EQ(b.Pixel(1, 1), kBlue);
}

TEST(FloodFill, StartOnAnotherColourPaintsNothing) {
    Bitmap b(8, 8, colours::Black);
    b.SetPixel(3, 3, kRed);
    Canvas c(b);
    c.SetBrushColour(kBlue);
    c.FloodFillSurface(3, 3, colours::Black);
    c.FloodFillSurface(-1, 3, colours::Black);
    c.FloodFillSurface(3, 100, colours::Black);
    EXPECT_EQ(CountColour(b, kBlue), 0);
    // A brush equal to the surface changes nothing and returns.
    c.SetBrushColour(colours::Black);
    c.FloodFillSurface(0, 0, colours::Black);
    EXPECT_EQ(CountColour(b, colours::Black), 63);
}

TEST(FloodFill, RespectsClipRect) {
    Bitmap b(20, 20, colours::Black);
    Canvas c(b);
    c.SetClipRect({5, 5, 15, 15});
    c.SetBrushColour(kBlue);
    c.FloodFillSurface(0, 0, colours::Black);  // start outside the clip box
    EXPECT_EQ(CountColour(b, kBlue), 0);
    c.FloodFillSurface(7, 7, colours::Black);
    EXPECT_EQ(CountColour(b, kBlue), 100);
    EXPECT_EQ(b.Pixel(4, 7), colours::Black);
    EXPECT_EQ(b.Pixel(15, 7), colours::Black);
}

TEST(FloodFill, SerpentineAndLargeAreasNeedNoRecursion) {
    // A one-pixel-wide serpentine corridor through a big bitmap: the worst case
    // for recursive fills, and a long chain of spans for the scanline fill.
    const int w = 1501, h = 1201;
    Bitmap b(w, h, colours::Black);
    for (int x = 1; x < w; x += 2) {
        const int gap = (x / 2) % 2 == 0 ? h - 1 : 0;
        for (int y = 0; y < h; ++y)
            if (y != gap) b.SetPixel(x, y, kRed);
    }
    Canvas c(b);
    c.SetBrushColour(kBlue);
    c.FloodFillSurface(0, 0, colours::Black);
    EXPECT_EQ(CountColour(b, colours::Black), 0);
    EXPECT_EQ(b.Pixel(w - 1, h - 1), kBlue);

    Bitmap big(4000, 3000, colours::Black);
    Canvas cb(big);
    cb.SetBrushColour(kBlue);
    cb.FloodFillSurface(2000, 1500, colours::Black);
    EXPECT_EQ(big.Pixel(0, 0), kBlue);
    EXPECT_EQ(big.Pixel(3999, 2999), kBlue);
}

// Plain breadth-first 4-connected fill, the reference for the scanline fill.
void ReferenceFill(Bitmap& b, const Rect& clip, int x, int y, Colour surface, Colour brush) {
    auto inside = [&](int px, int py) {
        return px >= clip.Left && px < clip.Right && py >= clip.Top && py < clip.Bottom;
    };
    if (!inside(x, y) || b.Pixel(x, y) != surface || surface == brush) return;
    std::queue<std::pair<int, int>> q;
    b.SetPixel(x, y, brush);
    q.push({x, y});
    while (!q.empty()) {
        const auto [px, py] = q.front();
        q.pop();
        const int nb[4][2] = {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}};
        for (const auto& n : nb)
            if (inside(n[0], n[1]) && b.Pixel(n[0], n[1]) == surface) {
                b.SetPixel(n[0], n[1], brush);
                q.push({n[0], n[1]});
            }
    }
}

TEST(FloodFill, MatchesBreadthFirstReferenceOnRandomMazes) {
    std::uint32_t seed = 7;
    auto next = [&seed](std::uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int round = 0; round < 40; ++round) {
        const int w = 20 + static_cast<int>(next(60)), h = 10 + static_cast<int>(next(50));
        Bitmap a(w, h, colours::Black);
        const std::uint32_t density = 25 + next(30);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (next(100) < density) a.SetPixel(x, y, next(2) ? kRed : kBlue);
        Bitmap ref = a;
        const Rect clip = round % 3 == 0 ? Rect{2, 1, w - 3, h - 2} : Rect{0, 0, w, h};
        const int sx = static_cast<int>(next(static_cast<std::uint32_t>(w)));
        const int sy = static_cast<int>(next(static_cast<std::uint32_t>(h)));
        const Colour brush{0, 200, 0};
        Canvas c(a);
        c.SetClipRect(clip);
        c.SetBrushColour(brush);
        c.FloodFillSurface(sx, sy, colours::Black);
        ReferenceFill(ref, clip, sx, sy, colours::Black, brush);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(a.Pixel(x, y), ref.Pixel(x, y)) << "round " << round << " at " << x << "," << y;
    }
}

}  // namespace
}  // namespace kolvar
