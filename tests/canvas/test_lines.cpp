#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "canvas/canvas.h"
#include "canvas_test_util.h"

namespace kolvar {
namespace {

using test::CountColour;
using test::kRed;
using test::Picture;

TEST(LineTo, HorizontalVerticalAndDiagonalExcludeEndPoint) {
    Bitmap b(20, 20, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.MoveTo(2, 3);
    c.LineTo(9, 3);
    for (int x = 2; x < 9; ++x) EXPECT_EQ(b.Pixel(x, 3), kRed) << x;
    EXPECT_EQ(b.Pixel(9, 3), colours::Black);
    EXPECT_EQ(CountColour(b, kRed), 7);

    b.Fill(colours::Black);
    c.MoveTo(5, 15);
    c.LineTo(5, 10);  // upwards
    for (int y = 11; y <= 15; ++y) EXPECT_EQ(b.Pixel(5, y), kRed) << y;
    EXPECT_EQ(b.Pixel(5, 10), colours::Black);
    EXPECT_EQ(CountColour(b, kRed), 5);

    b.Fill(colours::Black);
    c.MoveTo(10, 10);
    c.LineTo(4, 4);
    for (int i = 5; i <= 10; ++i) EXPECT_EQ(b.Pixel(i, i), kRed) << i;
    EXPECT_EQ(b.Pixel(4, 4), colours::Black);
    EXPECT_EQ(CountColour(b, kRed), 6);
}

TEST(LineTo, ZeroLengthPaintsNothingAndPenMoves) {
    Bitmap b(10, 10, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.MoveTo(4, 4);
    c.LineTo(4, 4);
    EXPECT_EQ(CountColour(b, kRed), 0);
    c.LineTo(7, 4);  // continues from the current point
    EXPECT_EQ(b.Pixel(4, 4), kRed);
    EXPECT_EQ(CountColour(b, kRed), 3);
}

TEST(LineTo, ShallowLineIsEightConnectedWithOnePixelPerColumn) {
    Bitmap b(40, 20, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.MoveTo(1, 2);
    c.LineTo(38, 15);
    int prevY = -1;
    for (int x = 1; x < 38; ++x) {
        int found = 0, y0 = -1;
        for (int y = 0; y < 20; ++y)
            if (b.Pixel(x, y) == kRed) {
                ++found;
                y0 = y;
            }
        ASSERT_EQ(found, 1) << "column " << x << "\n" << Picture(b, kRed);
        if (prevY >= 0) {
            EXPECT_LE(std::abs(y0 - prevY), 1);
        }
        prevY = y0;
    }
    EXPECT_EQ(b.Pixel(1, 2), kRed);
}

TEST(LineTo, ClippedSegmentMatchesTheUnclippedOne) {
    // The same line drawn on a big bitmap and on a small one must agree on the
    // pixels the small one shows, including lines that start far outside.
    const int ends[][4] = {{-50, -17, 80, 60}, {-1000000, 7, 1000000, 13}, {35, -900000, 5, 900001}};
    for (const auto& e : ends) {
        Bitmap big(400, 400, colours::Black), small(30, 30, colours::Black);
        Canvas cb(big), cs(small);
        cb.SetPenColour(kRed);
        cs.SetPenColour(kRed);
        // Shift the big canvas so the small one's window sits at (185, 185).
        cb.SetClipRect({185, 185, 215, 215});
        cb.MoveTo(e[0] + 185, e[1] + 185);
        cb.LineTo(e[2] + 185, e[3] + 185);
        cs.MoveTo(e[0], e[1]);
        cs.LineTo(e[2], e[3]);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                ASSERT_EQ(small.Pixel(x, y), big.Pixel(x + 185, y + 185)) << x << "," << y;
        EXPECT_GT(CountColour(small, kRed), 0);
    }
}

TEST(LineTo, ExtremeCoordinatesAreSafe) {
    Bitmap b(64, 48, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.MoveTo(INT_MIN, INT_MIN);
    c.LineTo(INT_MAX, INT_MAX);  // passes through the bitmap along the diagonal
    EXPECT_EQ(b.Pixel(10, 10), kRed);
    EXPECT_EQ(b.Pixel(40, 40), kRed);
    c.MoveTo(INT_MIN, 20);
    c.LineTo(INT_MAX, 20);
    EXPECT_EQ(b.Pixel(0, 20), kRed);
    EXPECT_EQ(b.Pixel(63, 20), kRed);
    c.MoveTo(INT_MIN, INT_MIN);
    c.LineTo(INT_MIN, INT_MAX);  // wholly outside
    c.SetPenWidth(3);
    c.MoveTo(INT_MIN, 30);
    c.LineTo(INT_MAX, 30);
    for (int y = 29; y <= 31; ++y) EXPECT_EQ(b.Pixel(50, y), kRed) << y;
    EXPECT_EQ(b.Pixel(50, 28), colours::Black);
    EXPECT_EQ(b.Pixel(50, 32), colours::Black);
}

TEST(WidePen, WidthTwoHorizontalIsTwoRowsWithRoundCaps) {
    Bitmap b(30, 20, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.SetPenWidth(2);
    c.MoveTo(5, 10);
    c.LineTo(20, 10);
    // Two rows (9 and 10), from the start cap to the end cap inclusive.
    for (int x = 4; x <= 20; ++x) {
        EXPECT_EQ(b.Pixel(x, 9), kRed) << x;
        EXPECT_EQ(b.Pixel(x, 10), kRed) << x;
    }
    EXPECT_EQ(CountColour(b, kRed), 2 * 17) << Picture(b, kRed);
}

TEST(WidePen, WideStrokesAreSymmetricDiscsAtTheCaps) {
    Bitmap b(30, 30, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.SetPenWidth(5);
    c.MoveTo(15, 15);
    c.LineTo(15, 15);  // a single round dot
    const std::string pic = Picture(b, kRed);
    EXPECT_EQ(CountColour(b, kRed), 21) << pic;  // 5x5 without its 4 corners
    for (int d = -2; d <= 2; ++d) {
        EXPECT_EQ(b.Pixel(15 + d, 15), kRed);
        EXPECT_EQ(b.Pixel(15, 15 + d), kRed);
    }
    EXPECT_EQ(b.Pixel(13, 13), colours::Black) << pic;
}

TEST(WidePen, DiagonalStrokeHasNoHolesAndKeepsItsWidth) {
    Bitmap b(60, 60, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.SetPenWidth(2);
    c.MoveTo(5, 8);
    c.LineTo(50, 41);
    // Every column along the body carries a 2..3 pixel run without gaps.
    for (int x = 8; x < 48; ++x) {
        int first = -1, last = -1, n = 0;
        for (int y = 0; y < 60; ++y)
            if (b.Pixel(x, y) == kRed) {
                if (first < 0) first = y;
                last = y;
                ++n;
            }
        ASSERT_GT(n, 0) << x;
        EXPECT_EQ(n, last - first + 1) << "column " << x;
        EXPECT_GE(n, 2);
        EXPECT_LE(n, 4);
    }
}

TEST(LineTo, ClosedPolylinesHoldSurfaceFillsAtEveryPenWidth) {
    // An irregular star-shaped polygon with steep, shallow and diagonal edges.
    const int pts[][2] = {{40, 5},  {48, 30}, {75, 33}, {52, 45}, {62, 74},
                          {40, 55}, {17, 72}, {27, 45}, {4, 31},  {31, 29}};
    for (int width : {1, 2, 3}) {
        Bitmap b(80, 80, colours::Black);
        Canvas c(b);
        c.SetPenColour(kRed);
        c.SetPenWidth(width);
        c.MoveTo(pts[0][0], pts[0][1]);
        for (int i = 1; i <= 10; ++i) c.LineTo(pts[i % 10][0], pts[i % 10][1]);
        c.SetBrushColour(test::kBlue);
        c.FloodFillSurface(40, 40, colours::Black);
        EXPECT_EQ(b.Pixel(0, 0), colours::Black) << "width " << width << "\n" << Picture(b, kRed);
        EXPECT_EQ(b.Pixel(79, 79), colours::Black) << "width " << width;
        EXPECT_GT(CountColour(b, test::kBlue), 800) << "width " << width;
    }
}

}  // namespace
}  // namespace kolvar
