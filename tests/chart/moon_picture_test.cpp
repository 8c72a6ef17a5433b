// The Moon phase picture: which face each pixel comes from, where the picture
// goes, and how it is laid over the chart.

#include "chart/moon_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/sun_moon.h"
#include "canvas/bitmap.h"
#include "chart/solar_system_layer.h"

namespace kolvar {
namespace {

constexpr double Pi = 3.141592653589793;
constexpr Colour Lit{250, 250, 200};
constexpr Colour Unlit{80, 50, 20};

class MoonPictureRule : public ::testing::Test {
protected:
    Bitmap light{MoonPictureSize, MoonPictureSize, Lit};
    Bitmap dark{MoonPictureSize, MoonPictureSize, Unlit};
    ChartFrame frame = ComputeChartFrame(400, 300, ObserverState{});

    Bitmap Compose(double phase) { return ComposeMoonPicture(frame, phase, light, dark).Picture; }
    int CountLit(const Bitmap& b) {
        int n = 0;
        for (int j = 0; j < MoonPictureSize; ++j)
            for (int i = 0; i < MoonPictureSize; ++i) n += b.Pixel(i, j) == Lit ? 1 : 0;
        return n;
    }
};

TEST_F(MoonPictureRule, NewAndFullMoon) {
    // New moon: the terminator ellipse is the whole disc and dark inside; outside it the
    // rule still cuts the corners by side (b = 0 counts as the left side dark).
    const Bitmap fresh = Compose(0.0);
    EXPECT_EQ(fresh.Pixel(52, 52), Unlit);
    EXPECT_EQ(fresh.Pixel(2, 52), Unlit);
    EXPECT_EQ(fresh.Pixel(102, 52), Unlit);  // on the disc rim, inside the ellipse
    EXPECT_EQ(fresh.Pixel(0, 0), Unlit);     // left corner: dark side
    EXPECT_EQ(fresh.Pixel(104, 0), Lit);     // right corner outside the disc
    const Bitmap full = Compose(Pi);
    EXPECT_EQ(full.Pixel(52, 52), Lit);
    EXPECT_EQ(full.Pixel(10, 52), Lit);
    EXPECT_EQ(full.Pixel(95, 40), Lit);
    // A phase angle beyond 2 pi counts only by its cosine and sine.
    EXPECT_EQ(CountLit(Compose(3 * Pi)), CountLit(full));
    // An undefined phase (far outside the ephemeris' range) still gives a picture.
    const Bitmap undefined = Compose(std::numeric_limits<double>::quiet_NaN());
    EXPECT_GT(CountLit(undefined), 0);
    EXPECT_LT(CountLit(undefined), MoonPictureSize * MoonPictureSize);
}

TEST_F(MoonPictureRule, QuartersSplitAtTheCentreColumn) {
    // Waxing (sin < 0): lit on the right. Only column 52 is inside the degenerate ellipse.
    const Bitmap first = Compose(1.5 * Pi);
    EXPECT_EQ(first.Pixel(51, 20), Unlit);
    EXPECT_EQ(first.Pixel(53, 20), Lit);
    const Bitmap last = Compose(0.5 * Pi);
    EXPECT_EQ(last.Pixel(51, 20), Lit);
    EXPECT_EQ(last.Pixel(53, 20), Unlit);
    for (int j = 0; j < MoonPictureSize; ++j) {
        // Column 52 is the zero-width ellipse; its face follows the sign of
        // the cosine, a hair below zero at 3 pi/2 and above at pi/2.
        EXPECT_EQ(first.Pixel(52, j), Lit) << j;
        EXPECT_EQ(last.Pixel(52, j), Unlit) << j;
    }
}

TEST_F(MoonPictureRule, WaxingCrescentUsesSemiAxis36) {
    const Bitmap crescent = Compose(-Pi / 4);       // a = 0.7071: d = 36, dark inside; b < 0: right side lit
    EXPECT_EQ(crescent.Pixel(52 + 36, 52), Unlit);  // on the terminator: inside
    EXPECT_EQ(crescent.Pixel(52 + 37, 52), Lit);
    EXPECT_EQ(crescent.Pixel(52 - 37, 52), Unlit);       // left of the terminator: dark side
    EXPECT_EQ(crescent.Pixel(52 + 30, 52 - 40), Lit);    // upper right, outside the ellipse
    EXPECT_EQ(crescent.Pixel(52 + 10, 52 - 40), Unlit);  // inside the terminator
    int lit = 0;
    for (int j = 0; j < MoonPictureSize; ++j)
        for (int i = 0; i < MoonPictureSize; ++i) {
            const bool inEllipse =
                2601 * (i - 52) * (i - 52) + 36 * 36 * (j - 52) * (j - 52) <= 2601 * 36 * 36;
            const bool expectLit = !inEllipse && i > 52;
            EXPECT_EQ(crescent.Pixel(i, j) == Lit, expectLit) << i << "," << j;
            lit += expectLit ? 1 : 0;
        }
    EXPECT_GT(lit, 0);
}

TEST_F(MoonPictureRule, PlacedAtTheLowerRightOfTheHorizon) {
    // 400 x 300: centre (200, 150), radius 135; e = ceil(18.9) = 19.
    const MoonPicture m = ComposeMoonPicture(frame, 1.0, light, dark);
    EXPECT_EQ(m.Size, 38);
    EXPECT_EQ(m.Left, static_cast<int>(200 + 135 * 0.9 - 19));
    EXPECT_EQ(m.Top, static_cast<int>(150 + 135 * 0.9 - 19));
    EXPECT_EQ(m.Picture.Width(), MoonPictureSize);
    const MoonPicture none = ComposeMoonPicture(ComputeChartFrame(0, 0, ObserverState{}), 1.0, light, dark);
    EXPECT_EQ(none.Size, 0);
}

TEST_F(MoonPictureRule, LaidOverTheChartStretchedNearestNeighbour) {
    MoonPicture m;
    m.Picture = Bitmap(MoonPictureSize, MoonPictureSize, Unlit);
    for (int j = 0; j < MoonPictureSize; ++j)
        for (int i = 53; i < MoonPictureSize; ++i) m.Picture.SetPixel(i, j, Lit);
    m.Left = 5;
    m.Top = 7;
    m.Size = 10;
    Bitmap chart(20, 20, colours::Navy);
    LayMoonPicture(chart, m);
    EXPECT_EQ(chart.Pixel(4, 7), colours::Navy);
    EXPECT_EQ(chart.Pixel(5, 6), colours::Navy);
    EXPECT_EQ(chart.Pixel(5, 7), Unlit);
    EXPECT_EQ(chart.Pixel(9, 10), Unlit);  // column 4 samples source column 47
    EXPECT_EQ(chart.Pixel(10, 10), Lit);   // column 5 samples source column 57
    EXPECT_EQ(chart.Pixel(14, 16), Lit);
    EXPECT_EQ(chart.Pixel(15, 16), colours::Navy);
    EXPECT_EQ(chart.Pixel(14, 17), colours::Navy);
    // Partly off the chart: clipped, no crash.
    m.Left = 15;
    m.Top = -4;
    LayMoonPicture(chart, m);
    EXPECT_EQ(chart.Pixel(19, 0), Unlit);
    EXPECT_EQ(chart.Pixel(19, 5), Unlit);
    EXPECT_EQ(chart.Pixel(14, 0), colours::Navy);  // left of the second picture
}

TEST(MoonFaces, StoredPicturesShareGeometryAndBackground) {
    const Bitmap& light = LightMoonPicture();
    const Bitmap& dark = DarkMoonPicture();
    ASSERT_EQ(light.Width(), MoonPictureSize);
    ASSERT_EQ(dark.Height(), MoonPictureSize);
    const Colour background{0, 0, 102};
    int wrongBackground = 0, wrongFace = 0;
    for (int j = 0; j < MoonPictureSize; ++j) {
        for (int i = 0; i < MoonPictureSize; ++i) {
            const bool disc = (i - 52) * (i - 52) + (j - 52) * (j - 52) <= 51 * 51;
            const Colour l = light.Pixel(i, j), d = dark.Pixel(i, j);
            if (!disc) {
                wrongBackground += (l == background && d == background) ? 0 : 1;
            } else {
                // Lit is pale yellow and brighter than the brown unlit face.
                wrongFace += (l.Red > d.Red && l.Green > l.Blue && d.Red > d.Blue) ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(wrongBackground, 0);
    EXPECT_EQ(wrongFace, 0);
}

TEST(MoonPhaseAngle, SunMinusMoonLongitudePlusATurn) {
    SunMoonResult state;
    state.EarthHeliocentric = {4.0, 0.0, 1.0};
    state.MoonEcliptic = {0.5, 0.05, 0.0025};
    EXPECT_DOUBLE_EQ(MoonPhaseAngle(state), 4.0 + Pi - 0.5);
    state.MoonEcliptic.Longitude = 20.0;  // not reduced
    EXPECT_DOUBLE_EQ(MoonPhaseAngle(state), 4.0 + Pi - 20.0);
}

}  // namespace
}  // namespace kolvar
