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

TEST(CloseUpProjection, RoundTripOverTheFieldAndOrientation) {
    std::mt19937 random(12);
    std::uniform_real_distribution<double> azimuth(-Pi, Pi), altitude(-Pi / 2, Pi / 2), unit(0, 1);
    for (int run = 0; run < 200; ++run) {
        const HorizontalPosition view{azimuth(random), altitude(random), 0};
        const CloseUpFrame f = ComputeCloseUpFrame(view);
        const int w = 50 + static_cast<int>(unit(random) * 1500), h = 50 + static_cast<int>(unit(random) * 1000);
        const double x = unit(random) * w, y = unit(random) * h;
        const HorizontalPosition p = UnprojectCloseUp(f, x, y, w, h);
        const ChartPoint back = ProjectCloseUp(f, p.Azimuth, p.Altitude, w, h);
        ASSERT_NEAR(back.X, x, 2e-3);
        ASSERT_NEAR(back.Y, y, 2e-3);
        // The corners always lie atan(1/2) from the centre, the field the same at every size.
        const HorizontalPosition corner = UnprojectCloseUp(f, 0, 0, w, h);
        const HorizontalPosition opposite = UnprojectCloseUp(f, w, h, w, h);
        ASSERT_NEAR(AngleBetween(corner, opposite), 2 * std::atan(0.5), 1e-9);
        ASSERT_NEAR(AngleBetween(view, UnprojectCloseUp(f, 0.5 * w, 0.5 * h, w, h)), 0, 1e-7);
    }

    const CloseUpFrame south = ComputeCloseUpFrame({Pi, 20 * Deg, 0});
    const ChartPoint centre = ProjectCloseUp(south, Pi, 20 * Deg, 400, 300);
    EXPECT_FLOAT_EQ(centre.X, 200);
    EXPECT_FLOAT_EQ(centre.Y, 150);
    EXPECT_GT(ProjectCloseUp(south, Pi + 0.1, 20 * Deg, 400, 300).X, 200);  // west to the right
    EXPECT_LT(ProjectCloseUp(south, Pi, 25 * Deg, 400, 300).Y, 150);        // higher is up
    // 90 degrees or more from the centre: far away.
    EXPECT_EQ(ProjectCloseUp(south, Pi / 2 - 0.01, 0, 400, 300).X, CloseUpFarAway);
    EXPECT_EQ(ProjectCloseUp(south, 0, -20 * Deg, 400, 300).Y, CloseUpFarAway);
    // A view straight up still has a frame.
    const CloseUpFrame zenith = ComputeCloseUpFrame({0, Pi / 2, 0});
    EXPECT_NEAR(UnprojectCloseUp(zenith, 200, 150, 400, 300).Altitude, Pi / 2, 1e-12);
}

TEST(CloseUpProjection, RecentringOnTheCentrePixelKeepsTheViewAndTheRightEdgeTurnsWest) {
    const HorizontalPosition view{200 * Deg, 15 * Deg, 0};
    const CloseUpFrame f = ComputeCloseUpFrame(view);
    const HorizontalPosition same = UnprojectCloseUp(f, 200, 150, 400, 300);
    EXPECT_NEAR(same.Azimuth, view.Azimuth - 2 * Pi, 1e-12);
    EXPECT_NEAR(same.Altitude, view.Altitude, 1e-12);
    const HorizontalPosition right = UnprojectCloseUp(f, 399, 150, 400, 300);
    EXPECT_GT(right.Azimuth + 2 * Pi, view.Azimuth + 20 * Deg);
}

// A close-up of a bitmap filled with `fill` and no objects placed, only the ground.
class Ground : public ::testing::Test {
protected:
    Bitmap Draw(double altitude, int w = 400, int h = 300) {
        Bitmap b(w, h, colours::White);
        Canvas canvas(b);
        DrawCloseUpGround(canvas, altitude, w, h);
        return b;
    }
};

TEST_F(Ground, HorizonRowFromTheViewAltitude) {
    // The line, 2 pixels wide, covers the horizon row and the one above.
    Bitmap level = Draw(0);
    EXPECT_EQ(level.Pixel(10, 150), CloseUpHorizonColour);
    EXPECT_EQ(level.Pixel(10, 149), CloseUpHorizonColour);
    EXPECT_EQ(level.Pixel(10, 148), colours::White);
    EXPECT_EQ(level.Pixel(10, 151), GroundColour);
    EXPECT_EQ(level.Pixel(399, 299), GroundColour);

    // 400 x 300: D = 500, 150 + tan(10 deg) 500 = 238.16.
    EXPECT_NEAR(CloseUpHorizonRow(10 * Deg, 400, 300), 238.16, 0.01);
    Bitmap ten = Draw(10 * Deg);
    EXPECT_EQ(ten.Pixel(200, 236), colours::White);
    EXPECT_EQ(ten.Pixel(200, 238), CloseUpHorizonColour);
    EXPECT_EQ(ten.Pixel(200, 239), GroundColour);
    EXPECT_EQ(ten.Pixel(0, 260), GroundColour);
    EXPECT_EQ(ten.Pixel(399, 260), GroundColour);

    // At 30 degrees the horizon lies below the window: nothing at all.
    Bitmap thirty = Draw(30 * Deg);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) ASSERT_EQ(thirty.Pixel(x, y), colours::White);

    // Above the window the whole window is ground, the line on row 0.
    Bitmap down = Draw(-20 * Deg);
    EXPECT_EQ(down.Pixel(5, 0), CloseUpHorizonColour);
    for (int y = 1; y < 300; ++y)
        for (int x = 0; x < 400; ++x) ASSERT_EQ(down.Pixel(x, y), GroundColour) << x << "," << y;
}

// A picture with a marked top and a corner colour of its own.
Bitmap MarkedPicture() {
    Bitmap p(105, 105, Colour{0, 0, 102});
    for (int y = 10; y < 95; ++y)
        for (int x = 10; x < 95; ++x) p.SetPixel(x, y, y < 30 ? Colour{250, 0, 0} : Colour{0, 200, 0});
    p.SetPixel(52, 60, Colour{0, 0, 102});  // corner colour inside the disc too
    return p;
}

// Hand-placed objects in a large window, so that the Sun's disc is about 12 pixels across.
class PlacedBodies : public ::testing::Test {
protected:
    static constexpr int W = 2000, H = 1500;
    PlacedBodies() {
        InitialiseChartTables();
        objects.fill(SkyObjectEntry{});
        observer.Latitude = 47 * Deg;
        observer.SiderealAngle = 0;
        chart = ComputeChartFrame(400, 300, observer);
    }
    void Place(int slot, std::uint8_t kind, int index, double azimuth, double altitude, double distance) {
        objects[slot] = PlaceObject(kind, index, -1, {azimuth, altitude, distance});
    }
    Bitmap Draw(const HorizontalPosition& view) {
        Bitmap b(W, H, colours::Black);
        Canvas canvas(b);
        const CloseUpSky sky{chart, 2451545.0, objects, moonPicture};
        DrawCloseUp(canvas, W, H, view, sky, frame);
        return b;
    }
    ChartPoint At(double azimuth, double altitude) const { return ProjectCloseUp(frame, azimuth, altitude, W, H); }

    ObserverState observer;
    ChartFrame chart;
    SkyObjectTable objects;
    Bitmap moonPicture = MarkedPicture();
    CloseUpFrame frame;
};

TEST_F(PlacedBodies, SunCoversFartherPlanetsAndNearerOnesCoverTheSun) {
    const HorizontalPosition view{Pi, 40 * Deg, 0};
    Place(SunSlot, KindSun, 0, Pi, 40 * Deg, 1.0);
    Place(FirstPlanetSlot + 2, KindPlanet, 2, Pi + 0.15 * Deg, 40 * Deg, 0.6);  // Mars, in front
    Place(FirstPlanetSlot + 4, KindPlanet, 4, Pi - 0.15 * Deg, 40 * Deg, 9.5);  // Saturn, behind
    Place(FirstStarSlot, KindStar, 0, Pi, 40.1 * Deg, InfinitelyFar);           // a star, behind too
    const Bitmap b = Draw(view);
    const ChartPoint sun = At(Pi, 40 * Deg);
    EXPECT_EQ(b.Pixel(static_cast<int>(sun.X) + 1, static_cast<int>(sun.Y)), colours::White);  // the Sun's marker
    const ChartPoint mars = At(Pi + 0.15 * Deg, 40 * Deg);
    EXPECT_EQ(b.Pixel(static_cast<int>(mars.X) + 1, static_cast<int>(mars.Y)), MarkerColour(KindPlanet, 2));
    const ChartPoint saturn = At(Pi - 0.15 * Deg, 40 * Deg);
    EXPECT_EQ(b.Pixel(static_cast<int>(saturn.X) + 1, static_cast<int>(saturn.Y)), colours::Yellow);
    const ChartPoint star = At(Pi, 40.1 * Deg);
    EXPECT_EQ(b.Pixel(static_cast<int>(star.X) + 1, static_cast<int>(star.Y)), colours::Yellow);
    const std::optional<CloseUpDisc> disc = CloseUpBodyDisc(objects[SunSlot], SunRadiusAu, {frame, W, H});
    ASSERT_TRUE(disc.has_value());
    EXPECT_NEAR(disc->Radius, CloseUpDiagonal(W, H) * std::tan(SunRadiusAu), 0.05);
}

TEST_F(PlacedBodies, BodiesOutsideTheViewLeaveItAlone) {
    // The Sun at the zenith is 90 degrees from a view along the horizon: one
    // end of its diameter lies behind the viewer, the other far above the window.
    Place(SunSlot, KindSun, 0, 0, Pi / 2, 1.0);
    // The Moon just beyond the window's left edge, its disc not reaching in.
    Place(MoonSlot, KindMoon, 0, -30 * Deg, 0, 0.00257);
    frame = ComputeCloseUpFrame({0, 0, 0});
    Bitmap b(W, H, colours::Black);
    Canvas canvas(b);
    const CloseUpSky sky{chart, 2451545.0, objects, moonPicture};
    DrawCloseUpSun(canvas, sky, {frame, W, H});
    DrawCloseUpMoon(canvas, sky, {frame, W, H});
    int lit = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) lit += b.Pixel(x, y) == colours::Black ? 0 : 1;
    EXPECT_EQ(lit, 0);
    EXPECT_FALSE(CloseUpBodyDisc(objects[SunSlot], SunRadiusAu, {frame, W, H}).has_value());
    EXPECT_FALSE(CloseUpBodyDisc(objects[MoonSlot], MoonRadiusAu, {frame, W, H}).has_value());

    // The Moon a quarter of a degree short of 90 degrees off, obliquely: both
    // ends of its diameter in front, projected so far out that the circle
    // through them would reach back across the window.
    const CloseUpFrame cygnus = ComputeCloseUpFrame({92 * Deg, 63 * Deg, 0});
    Place(MoonSlot, KindMoon, 0, -154.461 * Deg, 11.773 * Deg, 0.0026);
    EXPECT_FALSE(CloseUpBodyDisc(objects[MoonSlot], MoonRadiusAu, {cygnus, 1024, 768}).has_value());
}

TEST_F(PlacedBodies, GroundComesAfterTheSkyLayers) {
    // Entries marked visible below the horizon stand for whatever the sky
    // layers paint there: with the horizon above the window all of it goes.
    Place(FirstStarSlot + 5, KindStar, 5, 0, -25 * Deg, InfinitelyFar);
    Place(SunSlot, KindSun, 0, 0.5 * Deg, -28 * Deg, 1.0);
    objects[FirstStarSlot + 5].Visible = 1;
    objects[SunSlot].Visible = 1;
    const Bitmap b = Draw({0, -30 * Deg, 0});
    for (int y = 1; y < H; ++y)
        for (int x = 0; x < W; ++x) ASSERT_EQ(b.Pixel(x, y), GroundColour) << x << "," << y;
}

TEST(CloseUpMoonPicture, CopiedTurnedAndCornerColourNeverCopied) {
    const Bitmap picture = MarkedPicture();
    const Colour corner{0, 0, 102}, canvasColour{7, 7, 7}, red{250, 0, 0}, green{0, 200, 0};
    const auto copy = [&](double g) {
        Bitmap b(120, 120, canvasColour);
        Canvas canvas(b);
        CopyMoonPicture(canvas, picture, {60, 60, 51}, g);
        return b;
    };
    // Top up: the picture itself, moved by (8, 8).
    const Bitmap up = copy(-Pi / 2);
    EXPECT_EQ(up.Pixel(60, 25), red);
    EXPECT_EQ(up.Pixel(60, 90), green);
    EXPECT_EQ(up.Pixel(15, 15), canvasColour);  // the picture's frame, corner-coloured
    EXPECT_EQ(up.Pixel(60, 68), canvasColour);  // the picture's (52, 60), corner-coloured too
    // Top turned to the right.
    const Bitmap right = copy(0);
    EXPECT_EQ(right.Pixel(100, 60), red);
    EXPECT_EQ(right.Pixel(20, 60), green);
    EXPECT_EQ(right.Pixel(60, 20), green);
    for (const Bitmap* b : {&up, &right})
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x) ASSERT_NE(b->Pixel(x, y), corner) << x << "," << y;
}

// The phase picture in the close-up shows its lit side toward the Sun, for
// observers north and south of the equator.
TEST(CloseUpMoonPicture, LitSideFacesTheSun) {
    InitialiseChartTables();
    struct Case {
        double JulianDay, Latitude, Longitude;
    };
    for (const Case c : {Case{2460547.5, 47.589, 19.064}, Case{2460549.55, 47.589, 19.064},
                         Case{2460538.2, -33.87, 151.21}, Case{2460540.2, -33.87, 151.21}}) {
        ObserverState observer;
        observer.JulianDay = c.JulianDay;
        observer.Latitude = c.Latitude * Deg;
        observer.Longitude = c.Longitude * Deg;
        Bitmap chart;
        ChartFrame chartFrame;
        SkyObjectTable objects;
        MoonPicture moon;
        ASSERT_TRUE(RedrawChart(observer, chart, 400, 300, chartFrame, objects, moon));
        const SkyObjectEntry& m = objects[MoonSlot];
        const SkyObjectEntry& s = objects[SunSlot];
        ASSERT_EQ(m.Visible, 1);

        constexpr int W = 4000, H = 3000;
        const CloseUpFrame frame = ComputeCloseUpFrame({m.Azimuth, m.Altitude, 0});
        Bitmap b(W, H, colours::Black);
        Canvas canvas(b);
        DrawCloseUpMoon(canvas, {chartFrame, observer.JulianDay, objects, moon.Picture}, {frame, W, H});
        // Centroid of the lit (light-picture) pixels about the disc's centre.
        double sx = 0, sy = 0;
        int n = 0;
        for (int y = H / 2 - 40; y < H / 2 + 40; ++y)
            for (int x = W / 2 - 40; x < W / 2 + 40; ++x)
                if (b.Pixel(x, y).Red > 150) sx += x - W / 2, sy += y - H / 2, ++n;
        ASSERT_GT(n, 50);
        // The Sun's screen direction from the Moon: a small step along the great circle toward it.
        const double k = 0.01;
        const auto v = [](const SkyObjectEntry& e) {
            return std::array<double, 3>{std::cos(e.Azimuth) * std::cos(e.Altitude),
                                         std::sin(e.Azimuth) * std::cos(e.Altitude), std::sin(e.Altitude)};
        };
        const auto mv = v(m), sv = v(s);
        std::array<double, 3> t{};
        for (int i = 0; i < 3; ++i) t[i] = mv[i] + k * sv[i];
        const ChartPoint toward = ProjectCloseUp(frame, std::atan2(t[1], t[0]),
                                                 std::atan2(t[2], std::hypot(t[0], t[1])), W, H);
        const double dx = toward.X - W / 2.0, dy = toward.Y - H / 2.0;
        const double cosine = (sx * dx + sy * dy) / (std::hypot(sx, sy) * std::hypot(dx, dy));
        EXPECT_GT(cosine, 0.9) << "jd " << c.JulianDay << " latitude " << c.Latitude;
    }
}

}  // namespace
}  // namespace kolvar
