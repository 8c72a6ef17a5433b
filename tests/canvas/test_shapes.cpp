#include <gtest/gtest.h>

#include <climits>

#include "canvas/canvas.h"
#include "canvas_test_util.h"

namespace kolvar {
namespace {

using test::CountColour;
using test::kBlue;
using test::kRed;
using test::Picture;

TEST(Rectangle, BoxExcludesRightAndBottomEdges) {
    Bitmap b(20, 20, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.SetBrushColour(kBlue);
    c.Rectangle(2, 3, 10, 8);
    EXPECT_EQ(b.Pixel(2, 3), kRed);
    EXPECT_EQ(b.Pixel(9, 7), kRed);
    EXPECT_EQ(b.Pixel(10, 7), colours::Black);
    EXPECT_EQ(b.Pixel(9, 8), colours::Black);
    EXPECT_EQ(b.Pixel(5, 5), kBlue);
    EXPECT_EQ(CountColour(b, kRed), 2 * 8 + 2 * 3);
    EXPECT_EQ(CountColour(b, kBlue), 6 * 3);
    // Corners given in reverse order make the same rectangle.
    Bitmap r(20, 20, colours::Black);
    Canvas cr(r);
    cr.SetPenColour(kRed);
    cr.SetBrushColour(kBlue);
    cr.Rectangle(10, 8, 2, 3);
    EXPECT_EQ(Picture(r, kRed), Picture(b, kRed));
}

TEST(FillRect, UsesBrushAndClipsHugeBoxes) {
    Bitmap b(16, 16, colours::Black);
    Canvas c(b);
    c.SetBrushColour(kBlue);
    c.FillRect({4, 4, 8, 6});
    EXPECT_EQ(CountColour(b, kBlue), 8);
    c.SetClipRect({0, 0, 10, 10});
    c.FillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    EXPECT_EQ(CountColour(b, kBlue), 100);
    EXPECT_EQ(b.Pixel(10, 3), colours::Black);
}

TEST(Ellipse, BoxExcludesRightAndBottomEdgesAndIsSymmetric) {
    Bitmap b(40, 40, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.SetBrushColour(kBlue);
    c.Ellipse(5, 8, 30, 21);
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (b.Pixel(x, y) != colours::Black) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
                // Mirror images across both axes of the box are painted alike.
                EXPECT_EQ(b.Pixel(x, y), b.Pixel(5 + 29 - x, y));
                EXPECT_EQ(b.Pixel(x, y), b.Pixel(x, 8 + 20 - y));
            }
    EXPECT_EQ(minX, 5);
    EXPECT_EQ(maxX, 29);
    EXPECT_EQ(minY, 8);
    EXPECT_EQ(maxY, 20);
    EXPECT_EQ(b.Pixel(17, 14), kBlue);
}

TEST(Ellipse, EmptyBoxPaintsNothingAndTinyBoxesPaintPixels) {
    Bitmap b(10, 10, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.Ellipse(3, 3, 3, 8);
    EXPECT_EQ(CountColour(b, kRed), 0);
    c.Ellipse(3, 3, 4, 4);
    EXPECT_EQ(CountColour(b, kRed), 1);
    c.Ellipse(6, 6, 8, 8);
    EXPECT_EQ(CountColour(b, kRed), 5);
}

// Fill inside and outside an outline and check neither fill crosses it.
void ExpectClosedOutline(Bitmap& b, int cx, int cy) {
    Canvas c(b);
    c.SetBrushColour(kBlue);
    c.FloodFillSurface(cx, cy, colours::Black);
    const Colour outside{0, 255, 0};
    c.SetBrushColour(outside);
    c.FloodFillSurface(0, 0, colours::Black);
    EXPECT_EQ(CountColour(b, colours::Black), 0) << Picture(b, kRed);
    // The inner fill did not reach the corner and the outer fill did not reach the centre.
    EXPECT_EQ(b.Pixel(cx, cy), kBlue);
    EXPECT_EQ(b.Pixel(0, 0), outside);
}

TEST(Ellipse, OutlinesAreClosedForSurfaceFills) {
    const int boxes[][4] = {
        {2, 2, 60, 60}, {3, 10, 61, 30}, {20, 3, 40, 61}, {5, 5, 58, 57}, {10, 29, 55, 35}};
    for (int width : {1, 2, 3, 4}) {
        for (const auto& box : boxes) {
            Bitmap b(64, 64, colours::Black);
            Canvas c(b);
            c.SetPenColour(kRed);
            c.SetPenWidth(width);
            c.Arc(box[0], box[1], box[2], box[3], 0, 0, 0, 0);
            SCOPED_TRACE(testing::Message() << "width " << width << " box " << box[0] << "," << box[1]);
            ExpectClosedOutline(b, (box[0] + box[2]) / 2, (box[1] + box[3]) / 2);
        }
    }
}

TEST(Ellipse, OutlineIsThinWithOnePixelPen) {
    Bitmap b(50, 50, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.SetBrushColour(kBlue);
    c.Ellipse(5, 5, 45, 45);
    // Along the middle row and column the rim is a single pixel each side.
    int redOnRow = 0, redOnCol = 0;
    for (int i = 0; i < 50; ++i) {
        redOnRow += b.Pixel(i, 25) == kRed;
        redOnCol += b.Pixel(25, i) == kRed;
    }
    EXPECT_EQ(redOnRow, 2);
    EXPECT_EQ(redOnCol, 2);
}

TEST(Ellipse, WidePenCentredOnTheOnePixelRim) {
    Bitmap b(60, 60, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.SetPenWidth(2);
    c.SetBrushColour(kBlue);
    c.Ellipse(10, 10, 50, 50);
    // The one-pixel rim runs through the centres of columns 10 and 49; a
    // 2-pixel ring spans one pixel either side of that line, so on the middle
    // row it covers columns 10, 11 and 48, 49 and stays inside the box.
    EXPECT_EQ(b.Pixel(9, 30), colours::Black);
    EXPECT_EQ(b.Pixel(10, 30), kRed);
    EXPECT_EQ(b.Pixel(11, 30), kRed);
    EXPECT_EQ(b.Pixel(12, 30), kBlue);
    EXPECT_EQ(b.Pixel(48, 30), kRed);
    EXPECT_EQ(b.Pixel(49, 30), kRed);
    EXPECT_EQ(b.Pixel(50, 30), colours::Black);
    // Width 4 reaches one pixel beyond the box.
    b.Fill(colours::Black);
    c.SetPenWidth(4);
    c.Ellipse(10, 10, 50, 50);
    EXPECT_EQ(b.Pixel(9, 30), kRed);
    EXPECT_EQ(b.Pixel(12, 30), kRed);
    EXPECT_EQ(b.Pixel(13, 30), kBlue);
    EXPECT_EQ(b.Pixel(8, 30), colours::Black);
}

TEST(Ellipse, FarOutsideIsSafeAndHugeEllipseClipsToItsRim) {
    Bitmap b(100, 100, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    c.SetBrushColour(kBlue);
    c.Ellipse(INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10);
    c.Ellipse(INT_MAX - 5, 10, INT_MAX, 20);
    EXPECT_EQ(CountColour(b, colours::Black), 100 * 100);
    // A circle so large that the bitmap lies inside it: all brush.
    c.Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
    EXPECT_EQ(CountColour(b, kBlue), 100 * 100);
    c.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(CountColour(b, kBlue), 100 * 100);
}

TEST(Arc, CounterClockwiseFromStartRayToEndRay) {
    Bitmap b(41, 41, colours::Black);
    Canvas c(b);
    c.SetPenColour(kRed);
    // Circle centred at (20, 20) (box 0..40); from the east ray to the north
    // ray counter-clockwise on screen: the upper right quarter.
    c.Arc(0, 0, 40, 40, 40, 20, 20, 0);
    EXPECT_GT(CountColour(b, kRed), 20);
    for (int y = 0; y < 41; ++y)
        for (int x = 0; x < 41; ++x)
            if (b.Pixel(x, y) == kRed) {
                EXPECT_GE(x, 19) << Picture(b, kRed);
                EXPECT_LE(y, 20) << Picture(b, kRed);
            }
    EXPECT_EQ(b.Pixel(39, 19), kRed);  // near the east end
    EXPECT_EQ(b.Pixel(20, 0), kRed);   // near the north end

    // The swapped rays give the other three quarters.
    Bitmap o(41, 41, colours::Black);
    Canvas co(o);
    co.SetPenColour(kRed);
    co.Arc(0, 0, 40, 40, 20, 0, 40, 20);
    EXPECT_EQ(o.Pixel(0, 20), kRed);
    EXPECT_EQ(o.Pixel(20, 39), kRed);
    EXPECT_EQ(o.Pixel(33, 6), colours::Black);
}

TEST(Arc, CoincidingEndsGiveTheWholeOutlineAndNoFill) {
    Bitmap a(50, 50, colours::Black), e(50, 50, colours::Black);
    Canvas ca(a), ce(e);
    ca.SetPenColour(kRed);
    ca.SetBrushColour(kBlue);
    ca.Arc(4, 6, 46, 44, 46, 25, 46, 25);
    ce.SetPenColour(kRed);
    ce.SetBrushColour(kBlue);
    ce.Ellipse(4, 6, 46, 44);
    EXPECT_EQ(Picture(a, kRed), Picture(e, kRed));
    EXPECT_EQ(CountColour(a, kBlue), 0);
    EXPECT_GT(CountColour(e, kBlue), 0);
}

TEST(Clip, ShapesAndPixelsStayInsideTheClipBox) {
    Bitmap b(40, 40, colours::Black);
    Canvas c(b);
    c.SetClipRect({10, 10, 30, 30});
    c.SetPenColour(kRed);
    c.SetBrushColour(kBlue);
    c.Ellipse(0, 0, 40, 40);
    c.Rectangle(0, 0, 40, 40);
    c.SetPenWidth(3);
    c.MoveTo(0, 20);
    c.LineTo(39, 20);
    c.SetPixel(5, 5, kRed);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (x < 10 || x >= 30 || y < 10 || y >= 30) {
                ASSERT_EQ(b.Pixel(x, y), colours::Black) << x << "," << y;
            }
    EXPECT_EQ(b.Pixel(10, 10), kBlue);
    EXPECT_EQ(b.Pixel(15, 20), kRed);
    c.ResetClipRect();
    c.SetPixel(5, 5, kRed);
    EXPECT_EQ(b.Pixel(5, 5), kRed);
}

TEST(Clip, FollowsTheBitmapWhenItIsResized) {
    Bitmap b(10, 10, colours::Black);
    Canvas c(b);
    b.Resize(30, 20);
    c.SetPixel(25, 15, kRed);
    EXPECT_EQ(b.Pixel(25, 15), kRed);
    EXPECT_EQ(c.ClipRect().Right, 30);
    c.SetClipRect({5, 5, 100, 100});
    b.Resize(8, 8);
    c.SetPixel(7, 7, kRed);
    EXPECT_EQ(b.Pixel(7, 7), kRed);
    EXPECT_EQ(c.ClipRect().Right, 8);
}

}  // namespace
}  // namespace kolvar
