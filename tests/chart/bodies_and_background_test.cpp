// The Sun and Moon discs, the Moon's phase shading, and the ecliptic circle.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "astro/sun_moon.h"
#include "canvas/bitmap.h"
#include "canvas/canvas.h"
#include "chart/background_layers.h"
#include "chart/solar_system_layer.h"
#include "chart_test_setup.h"

namespace kolvar {
namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Latitude = 0.8;
constexpr double JulianDay = 2451545.0;

// A frame whose horizon circle is far larger than the bitmap, so that the
// Moon at the zenith, in the middle of the bitmap, is a disc of about 11 pixels.
class BodyDrawing : public ::testing::Test {
protected:
    BodyDrawing() {
        ObserverState s;
        s.Latitude = Latitude;
        frame = ComputeChartFrame(10000, 10000, s);
        frame.CentreX = 100;
        frame.CentreY = 100;
        frame.ChartRadius = 5000;
        frame.SiderealAngle = 0.0;
        scene->Frame = frame;
        scene->JulianDay = JulianDay;
    }

    // Places the Sun and the Moon as the scene does, then draws one of them.
    void Draw(void (*draw)(Canvas&, const ChartContext&), const SphericalPosition& sun,
              const SphericalPosition& moon = {}) {
        scene->SunMoon.SunEquatorial = sun;
        scene->Objects[SunSlot] = PlaceSun(frame, JulianDay, sun);
        scene->Objects[MoonSlot] = PlaceMoon(frame, JulianDay, moon);
        draw(canvas, ChartContext(frame, *scene));
    }

    ChartFrame frame;
    std::unique_ptr<SkyScene> scene = std::make_unique<SkyScene>();
    const SkyObjectTable& objects = scene->Objects;
    Bitmap bitmap{200, 200, colours::Black};
    Canvas canvas{bitmap};

    // Right ascension 0 and declination = latitude stand at the zenith for sidereal angle 0 at longitude 0.
    const SphericalPosition moonAtZenith{0.0, Latitude, 0.00257};

    ChartPoint MoonPoint() const {
        return ProjectToChart(frame, objects[MoonSlot].Azimuth, objects[MoonSlot].Altitude);
    }
};

TEST(ApparentDisc, TrueSizeGrowsTowardsTheHorizon) {
    // At the zenith: tan(s / 2) with s the angular radius.
    EXPECT_NEAR(ApparentDiscHalf(SunRadiusAu, 1.0, Pi / 2), std::tan(SunRadiusAu / 2), 1e-12);
    EXPECT_NEAR(ApparentDiscHalf(SunRadiusAu, 1.0, 0.0), SunRadiusAu, 1e-6);  // twice as large on the horizon
    // The ceiling makes even a small chart's Sun at least one pixel.
    EXPECT_EQ(static_cast<int>(std::ceil(135 * ApparentDiscHalf(SunRadiusAu, 1.0, Pi / 2))), 1);
}

TEST_F(BodyDrawing, SunIsAYellowDiscWithAWhiteCentre) {
    Draw(DrawSun, {0.0, Latitude, 1.0});
    const SkyObjectEntry& p = objects[SunSlot];
    EXPECT_GT(p.Altitude, 1.56);
    EXPECT_EQ(objects[SunSlot].Kind, KindSun);
    EXPECT_EQ(objects[SunSlot].Visible, 1);
    EXPECT_EQ(objects[SunSlot].SignIndex, 0);
    const ChartPoint c = ProjectToChart(frame, p.Azimuth, p.Altitude);
    const int x = static_cast<int>(c.X), y = static_cast<int>(c.Y);
    const int radius = static_cast<int>(std::ceil(5000 * ApparentDiscHalf(SunRadiusAu, 1.0, p.Altitude)));
    EXPECT_EQ(radius, 12);
    EXPECT_EQ(bitmap.Pixel(x, y), colours::White);
    EXPECT_EQ(bitmap.Pixel(x + 1, y), colours::White);
    EXPECT_EQ(bitmap.Pixel(x + 6, y + 6), colours::Yellow);
    EXPECT_EQ(bitmap.Pixel(x + radius + 2, y), colours::Black);
}

TEST_F(BodyDrawing, SunBelowTheHorizonIsPlacedButNotDrawn) {
    Draw(DrawSun, {Pi, -Latitude, 1.0});  // the nadir
    EXPECT_EQ(objects[SunSlot].Visible, 0);
    EXPECT_LT(objects[SunSlot].Altitude, -1.5);
    int painted = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) painted += bitmap.Pixel(x, y) == colours::Black ? 0 : 1;
    EXPECT_EQ(painted, 0);
}

TEST_F(BodyDrawing, NewMoonIsOlive) {
    Draw(DrawMoon, {0.0, Latitude, 1.0}, moonAtZenith);
    const ChartPoint m = MoonPoint();
    EXPECT_EQ(objects[MoonSlot].Kind, KindMoon);
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) + 4, static_cast<int>(m.Y) + 3), MoonDarkColour);
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) - 6, static_cast<int>(m.Y)), MoonDarkColour);
}

TEST_F(BodyDrawing, FullMoonIsYellow) {
    Draw(DrawMoon, {Pi, -Latitude, 1.0}, moonAtZenith);
    const ChartPoint m = MoonPoint();
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) + 4, static_cast<int>(m.Y) + 3), colours::Yellow);
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) - 6, static_cast<int>(m.Y)), colours::Yellow);
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) + 14, static_cast<int>(m.Y)), colours::Black);
}

TEST_F(BodyDrawing, ShadingDiscFollowsTheSignOfTheSunMoonCosine) {
    // Sun 84 degrees from the Moon (c = +0.10): yellow disc, small olive disc off to one side.
    const double deg = Pi / 180;
    Draw(DrawMoon, {0.0, Latitude - 84 * deg, 1.0}, moonAtZenith);
    ChartPoint m = MoonPoint();
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) + 6, static_cast<int>(m.Y)), colours::Yellow);
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) - 6, static_cast<int>(m.Y)), colours::Yellow);
    // 96 degrees (c = -0.10): the colours swap, the disc is olive with a small yellow disc.
    bitmap.Fill(colours::Black);
    Draw(DrawMoon, {0.0, Latitude - 96 * deg, 1.0}, moonAtZenith);
    m = MoonPoint();
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) + 6, static_cast<int>(m.Y)), MoonDarkColour);
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) - 6, static_cast<int>(m.Y) + 2), MoonDarkColour);

    // Sun on the meridian 60 degrees south of the zenith: c = 0.5, the olive disc of half
    // the radius is displaced along x by the north part of the Moon's offset from the Sun.
    bitmap.Fill(colours::Black);
    Draw(DrawMoon, {0.0, Latitude - Pi / 3, 1.0}, moonAtZenith);
    m = MoonPoint();
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) - 5, static_cast<int>(m.Y)), MoonDarkColour);
    EXPECT_EQ(bitmap.Pixel(static_cast<int>(m.X) + 8, static_cast<int>(m.Y)), colours::Yellow);
}

TEST(CircleThroughPoints, CentreRadiusAndCollinearPoints) {
    const auto c = CircleThroughPoints(10, 0, 0, 10, -10, 0);
    ASSERT_TRUE(c.has_value());
    EXPECT_NEAR(c->CentreX, 0, 1e-12);
    EXPECT_NEAR(c->CentreY, 0, 1e-12);
    EXPECT_NEAR(c->Radius, 10, 1e-12);
    EXPECT_FALSE(CircleThroughPoints(0, 0, 1, 1, 2, 2).has_value());
    EXPECT_FALSE(CircleThroughPoints(5, 5, 5, 5, 5, 5).has_value());
}

TEST(EclipticCircle, PassesThroughTheSun) {
    InitialiseChartTables();
    ObserverState s;
    s.Latitude = 0.83;
    s.Longitude = 0.33;
    for (double jd : {2460536.375, 2460695.25, 2460390.7}) {
        s.JulianDay = jd;
        const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(s));
        const ChartContext ctx(ComputeChartGeometry(800, 600), *scene);
        const auto circle = EclipticCircle(ctx);
        ASSERT_TRUE(circle.has_value());
        const SkyObjectEntry& sun = scene->Objects[SunSlot];
        const ChartPoint p = ProjectToChart(ctx.Frame, sun.Azimuth, sun.Altitude);
        const double off = std::hypot(p.X - circle->CentreX, p.Y - circle->CentreY) - circle->Radius;
        EXPECT_LT(std::abs(off), 0.005 * circle->Radius + 1.0) << jd;
    }
}

}  // namespace
}  // namespace kolvar
