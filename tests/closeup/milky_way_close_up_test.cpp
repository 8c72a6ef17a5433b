// The close-up's Milky Way: where outlines meet the border, the fill along
// the border between the crossings, and the band as drawn for real views.

#include "closeup/milky_way_close_up.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>
#include <vector>

#include "canvas/canvas.h"
#include "chart/milky_way_layer.h"
#include "chart/redraw.h"
#include "chart_test_setup.h"
#include "closeup/draw_close_up.h"

namespace kolvar {
namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Deg = Pi / 180;

TEST(ClipSegmentToWindow, FirstFittingBorderInOrderThenMidpointAndTheCrossingHeldToTheBorder) {
    const auto clip = [](ChartPoint a, ChartPoint b) { return ClipSegmentToWindow(a, b, 100, 80); };
    // Leaving through the top-left corner region: the left border's line wins
    // although the segment really crosses the top.
    EXPECT_FLOAT_EQ(clip({5, 5}, {-10, -100}).Y, -30);
    EXPECT_FLOAT_EQ(clip({95, 70}, {120, 75}).Y, 70.8f);  // x = W - 1
    EXPECT_FLOAT_EQ(clip({50, 10}, {60, -10}).X, 55);     // side lines not met: the top
    EXPECT_FLOAT_EQ(clip({50, 70}, {50, 90}).Y, 79);      // x1 = x2: the bottom
    EXPECT_FLOAT_EQ(clip({10, 10}, {20, 30}).Y, 20);      // none: the midpoint

    EXPECT_FLOAT_EQ(RoundedBorderPoint({0.0f, 39.6f}).Y, 40);
    EXPECT_FLOAT_EQ(RoundedBorderPoint({0.0f, -3.7f}).Y, -3);  // add 0.5, truncate toward zero
    EdgeCrossing b = MakeBorderCrossing({0.0f, 40.0f}, CrossingDirection::Entering, 100, 80);
    EXPECT_FLOAT_EQ(b.At.Y, 40);
    EXPECT_NEAR(b.Angle, -Pi / 2, 1e-12);  // left edge; straight down is 0
    // The record of a side's line met beyond the window is the corner pixel,
    // which the walk along the border steps on (rounded once: -3 is held to 0).
    for (const auto& [c, x, y] :
         {std::tuple{ChartPoint{0, -3}, 0.0f, 0.0f}, {{99, 81}, 99.0f, 79.0f}, {{99, -1}, 99.0f, 0.0f}}) {
        b = MakeBorderCrossing(c, CrossingDirection::Leaving, 100, 80);
        EXPECT_TRUE(b.At.X == x && b.At.Y == y) << b.At.X << ", " << b.At.Y;
        EXPECT_NEAR(b.Angle, std::atan2(x - 50.0, y - 40.0), 1e-12);
    }
}

// A window split by one grey outline column at x = 40.
class BorderFill : public ::testing::Test {
protected:
    static constexpr int W = 100, H = 80;
    BorderFill() { Reset(); }
    void Reset() {
        bitmap.Fill(colours::Black);
        canvas.SetPenColour(MilkyWayOutlineColour);
        canvas.MoveTo(40, 0);
        canvas.LineTo(40, H);
    }
    static constexpr CrossingDirection In = CrossingDirection::Entering, Out = CrossingDirection::Leaving;
    EdgeCrossing At(float x, float y, CrossingDirection d) const {
        return MakeBorderCrossing({x, y}, d, W, H);
    }
    int Grey(int x0, int x1) const {
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = x0; x < x1; ++x) n += bitmap.Pixel(x, y) == MilkyWayBandColour ? 1 : 0;
        return n;
    }
    Bitmap bitmap{W, H, colours::Black};
    Canvas canvas{bitmap};
};

TEST_F(BorderFill, FillsCounterClockwiseFromEachEnteringCrossing) {
    // Entering at the top, leaving at the bottom: the walk goes left along the
    // top, down the left side and right along the bottom.
    std::vector<EdgeCrossing> c{At(40, H - 1, Out), At(40, 0, In)};
    FillAlongBorder(canvas, W, H, c);
    EXPECT_EQ(Grey(0, 40), 40 * H);
    EXPECT_EQ(Grey(41, W), 0);
    // The other way round fills the other side.
    Reset();
    c = {At(40, H - 1, In), At(40, 0, Out)};
    FillAlongBorder(canvas, W, H, c);
    EXPECT_EQ(Grey(0, 41), 0);
    EXPECT_EQ(Grey(41, W), 59 * H);
}

TEST_F(BorderFill, CrossingsThatDoNotPairUpFillNothing) {
    for (std::vector<EdgeCrossing> c : {
             std::vector<EdgeCrossing>{At(40, 0, In)},                     // odd
             std::vector<EdgeCrossing>{At(40, H - 1, In), At(40, 0, In)},  // same direction
             std::vector<EdgeCrossing>{At(40, 0, In), At(40, 0, Out)},     // equal angles
         }) {
        FillAlongBorder(canvas, W, H, c);
        EXPECT_EQ(Grey(0, W), 0);
    }
}

TEST_F(BorderFill, CrossingBeyondTheCornerFillsFromTheCorner) {
    // A crossing through the top-left corner region lies on the left border's
    // extension above the window; its record is the corner pixel.
    std::vector<EdgeCrossing> c{At(40, H - 1, Out), At(0, -500, In)};
    FillAlongBorder(canvas, W, H, c);
    EXPECT_EQ(Grey(0, 40), 40 * H);
    EXPECT_EQ(Grey(41, W), 0);
}

// Views of the real sky: the main chart drawn for the observer, then the
// close-up around an equatorial direction.
class CloseUpBand : public ::testing::Test {
protected:
    static constexpr int W = 400, H = 300;
    CloseUpBand() { InitialiseChartTables(); }
    void Observe(double julianDay, double latitude, double longitude) {
        observer.JulianDay = julianDay;
        observer.Latitude = latitude * Deg;
        observer.Longitude = longitude * Deg;
        const SkyScene scene = ComputeSkyScene(observer);
        chartFrame = RedrawChart(scene, chart, 400, 300, moon);
        objects = scene.Objects;
        band = MilkyWayDirectionsAt(chartFrame, observer.JulianDay);
    }
    HorizontalPosition Towards(const SphericalPosition& e) const {
        return EquatorialToHorizontal(chartFrame, e.Longitude, e.Latitude, InfinitelyFar, observer.JulianDay,
                                      Equinox::Catalogue);
    }
    CloseUpSky Sky() const { return {chartFrame, observer.JulianDay, objects, moon.Picture, band}; }
    // The Milky Way alone, as the window starts its drawing.
    std::vector<EdgeCrossing> DrawBand(const HorizontalPosition& view) {
        picture = Bitmap(W, H, colours::Black);
        Canvas canvas(picture);
        frame = ComputeCloseUpFrame(view);
        std::vector<EdgeCrossing> crossings;
        Bitmap scratch(W, H, colours::Black);
        Canvas scratchCanvas(scratch);
        DrawCloseUpOutline(scratchCanvas, band, SkyProjection::Gnomonic(frame, W, H), crossings);
        DrawMilkyWayCloseUp(canvas, Sky(), SkyProjection::Gnomonic(frame, W, H));
        return crossings;
    }
    int GreyPixels() const {
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) n += picture.Pixel(x, y) == colours::Black ? 0 : 1;
        return n;
    }

    ObserverState observer;
    Bitmap chart;
    ChartFrame chartFrame;
    SkyObjectTable objects;
    MoonPicture moon;
    MilkyWayDirections band;
    Bitmap picture;
    CloseUpFrame frame;
};

TEST_F(CloseUpBand, MagellanicCloudsLieWhollyInsideTheWindow) {
    // Sydney, both clouds high in the south, the band off the window.
    Observe(2460301.05, -33.87, 151.21);
    const HorizontalPosition view = Towards(GalacticToEquatorial(290, -45));
    ASSERT_GT(view.Altitude, 20 * Deg);
    EXPECT_TRUE(DrawBand(view).empty());
    for (const SphericalPosition cloud : {SphericalPosition{80.9 * Deg, -69.8 * Deg, InfinitelyFar},
                                          SphericalPosition{13.2 * Deg, -72.8 * Deg, InfinitelyFar}}) {
        const HorizontalPosition h = Towards(cloud);
        const ChartPoint p = ProjectCloseUp(frame, h.Azimuth, h.Altitude, W, H);
        EXPECT_EQ(picture.Pixel(static_cast<int>(p.X), static_cast<int>(p.Y)),
                  MilkyWayBandColour);  // seed-filled
    }
    EXPECT_LT(GreyPixels(), W * H / 10);
}

// Views at the home place whose outline leaves through a window corner region
// (the border walk once ran round the whole window): band and black sky stay.
TEST_F(CloseUpBand, CornerCrossingNeitherFloodsNorEmpties) {
    Observe(2460536.875, DefaultLatitude / Deg, DefaultLongitude / Deg);
    for (const auto& [az, alt, w, h] : {std::tuple{159.0, 12.0, 431, 273}, {-8.79, 0.48, 800, 600}}) {
        Bitmap view(w, h, colours::Black);
        Canvas canvas(view);
        DrawCloseUp(canvas, w, h, {az * Deg, alt * Deg, 0.0}, Sky());
        int grey = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) grey += view.Pixel(x, y) == MilkyWayBandColour ? 1 : 0;
        EXPECT_GT(grey, w * h / 10) << az;
        EXPECT_LT(grey, w * h * 4 / 10) << az;
    }
}

TEST_F(CloseUpBand, NothingNearTheGalacticPole) {
    Observe(2460400.5, 47.589, 19.064);
    const HorizontalPosition view = Towards(GalacticToEquatorial(0, 90));
    ASSERT_GT(view.Altitude, 10 * Deg);
    EXPECT_TRUE(DrawBand(view).empty());
    EXPECT_EQ(GreyPixels(), 0);
}

// Views centred on the galactic equator for random observers: the band must
// be filled along the equator and the sky far from it left black, whichever
// way the outlines cross the border.
TEST_F(CloseUpBand, BandFilledAlongTheEquatorAndSkyClearAwayFromIt) {
    std::mt19937 random(20240901);
    std::uniform_real_distribution<double> day(2415020.0, 2488070.0), sine(-1.0, 1.0), longitude(-180, 180),
        galactic(0, 360), unit(0, 1);
    int views = 0, totalOn = 0, totalOnSamples = 0;
    while (views < 60) {
        // One draw after another: the order of a call's arguments is the
        // compiler's choice, and every compiler must see the same views.
        const double lon = longitude(random);
        const double lat = std::asin(sine(random)) / Deg;
        const double jd = day(random);
        Observe(jd, lat, lon);
        const double l = galactic(random);
        const HorizontalPosition view = Towards(GalacticToEquatorial(l, 0));
        if (view.Altitude < 5 * Deg) continue;
        ++views;
        DrawBand(view);
        int on = 0, onSamples = 0, off = 0, offSamples = 0;
        for (double dl = -30; dl <= 30; dl += 1.5) {
            for (double b : {-24.0, -18.0, -0.5, 0.5, 18.0, 24.0}) {
                const HorizontalPosition h = Towards(GalacticToEquatorial(l + dl, b));
                const ChartPoint p = ProjectCloseUp(frame, h.Azimuth, h.Altitude, W, H);
                if (!(p.X > 3 && p.X < W - 4 && p.Y > 3 && p.Y < H - 4)) continue;
                const Colour c = picture.Pixel(static_cast<int>(p.X), static_cast<int>(p.Y));
                const bool grey = c == MilkyWayBandColour || c == MilkyWayOutlineColour;
                if (std::abs(b) < 1) {
                    ++onSamples;
                    on += grey ? 1 : 0;
                } else if (std::abs(std::remainder(l + dl, 360.0)) > 40) {  // the bulge is wider
                    ++offSamples;
                    off += grey ? 1 : 0;
                }
            }
        }
        EXPECT_LE(off, offSamples / 10) << "sky flooded: jd " << observer.JulianDay << " l " << l;
        if (onSamples >= 10) {
            EXPECT_GE(on, onSamples * 6 / 10) << "band empty: jd " << observer.JulianDay << " l " << l;
        }
        totalOn += on;
        totalOnSamples += onSamples;
    }
    EXPECT_GE(totalOn, totalOnSamples * 8 / 10);
}

}  // namespace
}  // namespace kolvar
