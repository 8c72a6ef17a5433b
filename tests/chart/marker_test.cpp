// Star colours and the plus-shaped object marker.

#include "chart/marker.h"

#include <gtest/gtest.h>

#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "sky/sky_object_table.h"

namespace kolvar {
namespace {

TEST(StarColour, BandsAndFamilies) {
    EXPECT_EQ(StarColour(1.0, 'K'), (Colour{255, 255, 192}));
    EXPECT_EQ(StarColour(1.5, 'O'), (Colour{0, 192, 192}));
    EXPECT_EQ(StarColour(8, 'B'), (Colour{34, 34, 34}));
    EXPECT_EQ(StarColour(3, 'k'), (Colour{144, 144, 144}));
    EXPECT_EQ(StarColour(-1, 'M'), (Colour{255, 192, 192}));
    EXPECT_EQ(StarColour(7, 'A'), (Colour{45, 45, 45}));
    EXPECT_EQ(StarColour(7.01, 'G'), (Colour{34, 34, 26}));
    EXPECT_EQ(StarColour(7, 'W'), (Colour{0, 45, 45}));
    EXPECT_EQ(StarColour(4, ' '), (Colour{108, 108, 108}));
    EXPECT_EQ(StarColour(5, 'S'), (Colour{81, 60, 60}));
}

TEST(MarkerColour, FixedColoursForSunMoonAndPlanets) {
    EXPECT_EQ(MarkerColour(KindSun, 0), colours::White);
    EXPECT_EQ(MarkerColour(KindMoon, 0), colours::Yellow);
    EXPECT_EQ(MarkerColour(KindPlanet, 2), (Colour{255, 128, 0}));
    EXPECT_EQ(MarkerColour(KindPlanet, 4), (Colour{128, 81, 0}));
    EXPECT_EQ(MarkerColour(KindPlanet, 6), (Colour{0, 45, 45}));
    EXPECT_EQ(MarkerColour(KindPlanet, 7), (Colour{34, 34, 34}));
    EXPECT_EQ(MarkerColour(KindPlanet, -1), (Colour{34, 34, 34}));
}

class MarkerDrawing : public ::testing::Test {
protected:
    Bitmap bitmap{10, 8, colours::Navy};
    Canvas canvas{bitmap};

    int CountNot(Colour c) const {
        int n = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) n += bitmap.Pixel(x, y) == c ? 0 : 1;
        return n;
    }
};

TEST_F(MarkerDrawing, NothingOnTheTopRowOrLeftColumn) {
    DrawMarker(canvas, 0, 4, KindSun, 0);
    DrawMarker(canvas, 4, 0, KindSun, 0);
    DrawMarker(canvas, -3, 4, KindSun, 0);
    EXPECT_EQ(CountNot(colours::Navy), 0);
}

TEST_F(MarkerDrawing, PlusWithOredCentre) {
    bitmap.SetPixel(4, 4, Colour{32, 32, 32});
    DrawMarker(canvas, 4, 4, KindPlanet, 5);  // Uranus (0, 60, 60)
    EXPECT_EQ(bitmap.Pixel(4, 4), (Colour{32, 60, 60}));
    EXPECT_EQ(bitmap.Pixel(5, 4), (Colour{0, 60, 60}));
    EXPECT_EQ(bitmap.Pixel(3, 4), (Colour{0, 60, 60}));
    EXPECT_EQ(bitmap.Pixel(4, 5), (Colour{0, 60, 60}));
    EXPECT_EQ(bitmap.Pixel(4, 3), (Colour{0, 60, 60}));
    EXPECT_EQ(CountNot(colours::Navy), 5);
    // A second marker one pixel to the right: its arm overwrites, its centre ORs.
    DrawMarker(canvas, 5, 4, KindPlanet, 2);  // Mars (255, 128, 0)
    EXPECT_EQ(bitmap.Pixel(4, 4), (Colour{255, 128, 0}));
    EXPECT_EQ(bitmap.Pixel(5, 4), (Colour{255, 188, 60}));
}

TEST_F(MarkerDrawing, MarkersAtTheFarEdgesAreClippedOrSkipped) {
    DrawMarker(canvas, 9, 7, KindSun, 0);  // corner pixel: centre, left and up arms land
    EXPECT_EQ(CountNot(colours::Navy), 3);
    DrawMarker(canvas, 2147483647, 3, KindSun, 0);
    DrawMarker(canvas, 3, 2147483647, KindSun, 0);
    EXPECT_EQ(CountNot(colours::Navy), 3);
}

}  // namespace
}  // namespace kolvar
