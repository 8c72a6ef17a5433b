// The close-up's projection, ground, Sun and Moon discs and the order of its
// layers.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "canvas/canvas.h"
#include "chart/marker.h"
#include "chart/redraw.h"
#include "chart/solar_system_layer.h"
#include "chart_test_setup.h"
#include "closeup/close_up_bodies.h"
#include "closeup/draw_close_up.h"

namespace kolvar {
namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Deg = Pi / 180;

double AngleBetween(const HorizontalPosition& a, const HorizontalPosition& b) {
    const double c = std::sin(a.Altitude) * std::sin(b.Altitude) +
                     std::cos(a.Altitude) * std::cos(b.Altitude) * std::cos(a.Azimuth - b.Azimuth);
    return std::acos(std::min(1.0, c));
}

TEST(CloseUpProjection, RoundTripFieldAndOrientation) {
    std::mt19937 random(12);
    std::uniform_real_distribution<double> azimuth(-Pi, Pi), altitude(-Pi / 2, Pi / 2), unit(0, 1);
    for (int run = 0; run < 200; ++run) {
        const HorizontalPosition view{azimuth(random), altitude(random), 0};
        const CloseUpFrame f = ComputeCloseUpFrame(view);
        const int w = 50 + static_cast<int>(unit(random) * 1500),
                  h = 50 + static_cast<int>(unit(random) * 1000);
        const double x = unit(random) * w, y = unit(random) * h;
        const HorizontalPosition p = UnprojectCloseUp(f, x, y, w, h);
        const ChartPoint back = ProjectCloseUp(f, p.Azimuth, p.Altitude, w, h);
        ASSERT_NEAR(back.X, x, 2e-3);
        ASSERT_NEAR(back.Y, y, 2e-3);
        // The diagonal spans 2 atan(1/2) at every size; the centre pixel is the view.
        ASSERT_NEAR(AngleBetween(UnprojectCloseUp(f, 0, 0, w, h), UnprojectCloseUp(f, w, h, w, h)),
                    2 * std::atan(0.5), 1e-9);
        ASSERT_NEAR(AngleBetween(view, UnprojectCloseUp(f, 0.5 * w, 0.5 * h, w, h)), 0, 1e-7);
    }
    // Facing south: larger azimuth (west) to the right, higher up, a right
    // click at the edge turns the view west; 90 degrees off is far away.
    const CloseUpFrame south = ComputeCloseUpFrame({Pi, 20 * Deg, 0});
    EXPECT_GT(ProjectCloseUp(south, Pi + 0.1, 20 * Deg, 400, 300).X, 200);
    EXPECT_LT(ProjectCloseUp(south, Pi, 25 * Deg, 400, 300).Y, 150);
    EXPECT_GT(UnprojectCloseUp(south, 399, 150, 400, 300).Azimuth + 2 * Pi, Pi + 20 * Deg);
    EXPECT_EQ(ProjectCloseUp(south, Pi / 2 - 0.01, 0, 400, 300).X, CloseUpFarAway);
    EXPECT_EQ(ProjectCloseUp(south, 0, -20 * Deg, 400, 300).Y, CloseUpFarAway);
    EXPECT_NEAR(UnprojectCloseUp(ComputeCloseUpFrame({0, Pi / 2, 0}), 200, 150, 400, 300).Altitude, Pi / 2,
                1e-12);
}

Bitmap Ground(double altitude) {
    Bitmap b(400, 300, colours::White);
    Canvas canvas(b);
    DrawCloseUpGround(canvas, altitude, 400, 300);
    return b;
}

TEST(CloseUpGround, HorizonRowFromTheViewAltitude) {
    // The line is 2 pixels wide: the horizon row and the one above.
    const Bitmap level = Ground(0);
    EXPECT_EQ(level.Pixel(10, 148), colours::White);
    EXPECT_EQ(level.Pixel(10, 149), CloseUpHorizonColour);
    EXPECT_EQ(level.Pixel(10, 150), CloseUpHorizonColour);
    EXPECT_EQ(level.Pixel(399, 151), GroundColour);
    // 400 x 300: D = 500, 150 + tan(10 deg) 500 = 238.16.
    const Bitmap ten = Ground(10 * Deg);
    EXPECT_EQ(ten.Pixel(200, 236), colours::White);
    EXPECT_EQ(ten.Pixel(200, 238), CloseUpHorizonColour);
    EXPECT_EQ(ten.Pixel(0, 239), GroundColour);
    // At 30 degrees the horizon lies below the window; above it, all is ground.
    const Bitmap thirty = Ground(30 * Deg), down = Ground(-20 * Deg);
    EXPECT_EQ(down.Pixel(5, 0), CloseUpHorizonColour);
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            ASSERT_EQ(thirty.Pixel(x, y), colours::White);
            ASSERT_TRUE(y == 0 || down.Pixel(x, y) == GroundColour) << x << "," << y;
        }
    }
}

// A picture with a marked top and a corner colour of its own.
Bitmap MarkedPicture() {
    Bitmap p(105, 105, Colour{0, 0, 102});
    for (int y = 10; y < 95; ++y)
        for (int x = 10; x < 95; ++x) p.SetPixel(x, y, y < 30 ? Colour{250, 0, 0} : Colour{0, 200, 0});
    p.SetPixel(52, 60, Colour{0, 0, 102});  // corner colour inside the disc too
    return p;
}

// Hand-placed objects in a large window, so that the Sun's disc is about 23 pixels across.
class PlacedBodies : public ::testing::Test {
protected:
    static constexpr int W = 2000, H = 1500;
    PlacedBodies() {
        InitialiseChartTables();
        observer.Latitude = 47 * Deg;
        chart = ComputeChartFrame(400, 300, observer);
    }
    void Place(int slot, std::uint8_t kind, int index, double azimuth, double altitude, double distance) {
        objects[slot] = PlaceObject(kind, index, -1, {azimuth, altitude, distance});
    }
    Bitmap Draw(const HorizontalPosition& view, Colour before = colours::Black) {
        Bitmap b(W, H, before);
        Canvas canvas(b);
        const MilkyWayDirections band = MilkyWayDirectionsAt(chart, 2451545.0);
        frame = DrawCloseUp(canvas, W, H, view, {chart, 2451545.0, objects, moonPicture, band}).View();
        return b;
    }
    Colour RightArm(const Bitmap& b, double azimuth, double altitude) const {
        const ChartPoint p = ProjectCloseUp(frame, azimuth, altitude, W, H);
        return b.Pixel(static_cast<int>(p.X) + 1, static_cast<int>(p.Y));
    }

    ObserverState observer;
    ChartFrame chart;
    SkyObjectTable objects{};
    Bitmap moonPicture = MarkedPicture();
    CloseUpFrame frame;
};

TEST_F(PlacedBodies, SunCoversFartherPlanetsAndNearerOnesCoverTheSun) {
    Place(SunSlot, KindSun, 0, Pi, 40 * Deg, 1.0);
    Place(FirstPlanetSlot + 2, KindPlanet, 2, Pi + 0.15 * Deg, 40 * Deg, 0.6);  // Mars, in front
    Place(FirstPlanetSlot + 4, KindPlanet, 4, Pi - 0.15 * Deg, 40 * Deg, 9.5);  // Saturn, behind
    Place(FirstStarSlot, KindStar, 0, Pi, 40.1 * Deg, InfinitelyFar);
    const Bitmap b = Draw({Pi, 40 * Deg, 0});
    EXPECT_EQ(RightArm(b, Pi, 40 * Deg), colours::White);  // the Sun's marker
    EXPECT_EQ(RightArm(b, Pi + 0.15 * Deg, 40 * Deg), MarkerColour(KindPlanet, 2));
    EXPECT_EQ(RightArm(b, Pi - 0.15 * Deg, 40 * Deg), colours::Yellow);
    EXPECT_EQ(RightArm(b, Pi, 40.1 * Deg), colours::Yellow);
    const std::optional<CloseUpDisc> disc =
        CloseUpBodyDisc(objects[SunSlot], SunRadiusAu, SkyProjection::Gnomonic(frame, W, H));
    ASSERT_TRUE(disc.has_value());
    EXPECT_NEAR(disc->Radius, CloseUpDiagonal(W, H) * std::tan(SunRadiusAu), 0.05);
}

TEST_F(PlacedBodies, BodiesOutsideTheViewLeaveItAlone) {
    // The Sun at the zenith is 90 degrees from a view along the horizon (one
    // end of its diameter behind the viewer); the Moon just beyond the left edge.
    Place(SunSlot, KindSun, 0, 0, Pi / 2, 1.0);
    Place(MoonSlot, KindMoon, 0, -30 * Deg, 0, 0.00257);
    frame = ComputeCloseUpFrame({0, 0, 0});
    Bitmap b(W, H, colours::Black);
    Canvas canvas(b);
    const MilkyWayDirections noBand;  // the discs alone are drawn
    const CloseUpSky sky{chart, 2451545.0, objects, moonPicture, noBand};
    DrawCloseUpSun(canvas, sky, SkyProjection::Gnomonic(frame, W, H));
    DrawCloseUpMoon(canvas, sky, SkyProjection::Gnomonic(frame, W, H));
    int lit = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) lit += b.Pixel(x, y) == colours::Black ? 0 : 1;
    EXPECT_EQ(lit, 0);
    // A quarter of a degree short of 90 degrees off, obliquely: both ends in
    // front, so far out that the circle through them would reach back in.
    Place(MoonSlot, KindMoon, 0, -154.461 * Deg, 11.773 * Deg, 0.0026);
    EXPECT_FALSE(
        CloseUpBodyDisc(objects[MoonSlot], MoonRadiusAu,
                        SkyProjection::Gnomonic(ComputeCloseUpFrame({92 * Deg, 63 * Deg, 0}), 1024, 768))
            .has_value());
}

TEST_F(PlacedBodies, WholeWindowRepaintedWhateverTheBitmapHeld) {
    Place(SunSlot, KindSun, 0, Pi, 40 * Deg, 1.0);
    const Bitmap onBlack = Draw({Pi, 45 * Deg, 0}), onWhite = Draw({Pi, 45 * Deg, 0}, colours::White);
    EXPECT_TRUE(std::equal(onBlack.Data(), onBlack.Data() + onBlack.Stride() * H, onWhite.Data()));
}

TEST_F(PlacedBodies, GroundComesAfterTheSkyLayers) {
    // Entries marked visible below the horizon stand for whatever the sky
    // layers paint there: with the horizon above the window all of it goes.
    Place(FirstStarSlot + 5, KindStar, 5, 0, -25 * Deg, InfinitelyFar);
    Place(SunSlot, KindSun, 0, 0.5 * Deg, -28 * Deg, 1.0);
    objects[FirstStarSlot + 5].Visible = objects[SunSlot].Visible = 1;
    const Bitmap b = Draw({0, -30 * Deg, 0});
    for (int y = 1; y < H; ++y)
        for (int x = 0; x < W; ++x) ASSERT_EQ(b.Pixel(x, y), GroundColour) << x << "," << y;
}

TEST(CloseUpMoonPicture, TurnedAndCornerColourNeverCopied) {
    const Bitmap picture = MarkedPicture();
    const Colour corner{0, 0, 102}, canvasColour{7, 7, 7}, red{250, 0, 0}, green{0, 200, 0};
    const auto copy = [&](double g) {
        Bitmap b(120, 120, canvasColour);
        Canvas canvas(b);
        CopyMoonPicture(canvas, picture, {60, 60, 51}, g);
        return b;
    };
    const Bitmap up = copy(-Pi / 2), right = copy(0);  // the picture's top up, or to the right
    EXPECT_EQ(up.Pixel(60, 25), red);
    EXPECT_EQ(up.Pixel(60, 90), green);
    EXPECT_EQ(up.Pixel(15, 15), canvasColour);  // the picture's frame, corner-coloured
    EXPECT_EQ(up.Pixel(60, 68), canvasColour);  // its (52, 60), corner-coloured too
    EXPECT_EQ(right.Pixel(100, 60), red);
    EXPECT_EQ(right.Pixel(20, 60), green);
    for (const Bitmap* b : {&up, &right})
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x) ASSERT_NE(b->Pixel(x, y), corner) << x << "," << y;
}

// The phase picture shows its lit side toward the Sun, north and south of the equator.
TEST(CloseUpMoonPicture, LitSideFacesTheSun) {
    InitialiseChartTables();
    for (const auto [jd, latitude, longitude] :
         {std::array{2460547.5, 47.589, 19.064}, std::array{2460549.55, 47.589, 19.064},
          std::array{2460538.2, -33.87, 151.21}, std::array{2460540.2, -33.87, 151.21}}) {
        ObserverState observer;
        observer.JulianDay = jd;
        observer.Latitude = latitude * Deg;
        observer.Longitude = longitude * Deg;
        Bitmap chart;
        ChartFrame chartFrame;
        SkyObjectTable objects;
        MoonPicture moon;
        const SkyScene scene = ComputeSkyScene(observer);
        chartFrame = RedrawChart(scene, chart, 400, 300, moon);
        objects = scene.Objects;
        const SkyObjectEntry &m = objects[MoonSlot], &s = objects[SunSlot];
        ASSERT_EQ(m.Visible, 1);
        constexpr int W = 4000, H = 3000;
        const CloseUpFrame frame = ComputeCloseUpFrame({m.Azimuth, m.Altitude, 0});
        Bitmap b(W, H, colours::Black);
        Canvas canvas(b);
        const MilkyWayDirections noBand;  // the Moon alone is drawn
        DrawCloseUpMoon(canvas, {chartFrame, jd, objects, moon.Picture, noBand},
                        SkyProjection::Gnomonic(frame, W, H));
        // Centroid of the light-picture pixels about the disc's centre.
        double sx = 0, sy = 0;
        for (int y = H / 2 - 40; y < H / 2 + 40; ++y)
            for (int x = W / 2 - 40; x < W / 2 + 40; ++x)
                if (b.Pixel(x, y).Red > 150) sx += x - W / 2, sy += y - H / 2;
        // The view is centred on the Moon: the Sun's screen direction from the
        // centre is that of its own direction along U and V.
        const std::array<double, 3> sun{std::cos(s.Azimuth) * std::cos(s.Altitude),
                                        std::sin(s.Azimuth) * std::cos(s.Altitude), std::sin(s.Altitude)};
        double dx = 0, dy = 0;
        for (int i = 0; i < 3; ++i) dx += sun[i] * frame.U[i], dy += sun[i] * frame.V[i];
        EXPECT_GT((sx * dx + sy * dy) / (std::hypot(sx, sy) * std::hypot(dx, dy)), 0.9) << "jd " << jd;
    }
}

}  // namespace
}  // namespace kolvar
