#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kolvar
