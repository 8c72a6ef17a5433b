// Chart geometry, the observer frame, the projection and its inverse, and the
// small circle routines of the Milky Way layer.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>

#include "astro/spherical_position.h"
#include "astro/sun_moon.h"
#include "chart/chart_frame.h"
#include "chart/pixel_rules.h"
#include "chart/sky_projection.h"
#include "sky/sky_object_table.h"

namespace kolvar {
namespace {

constexpr double Pi = 3.141592653589793;

ObserverState Place(double longitude, double latitude) {
    ObserverState s;
    s.Longitude = longitude;
    s.Latitude = latitude;
    return s;
}

// A 400 x 300 chart of the place with the sky turned by `sidereal`.
ChartFrame TurnedFrame(double longitude, double latitude, double sidereal) {
    ChartFrame f = ComputeChartFrame(400, 300, Place(longitude, latitude));
    f.SiderealAngle = sidereal;
    return f;
}

TEST(ChartGeometry, CentreAndRadiusFromClientSize) {
    const ChartFrame wide = ComputeChartFrame(400, 300, Place(0, 0));
    EXPECT_EQ(wide.CentreX, 200);
    EXPECT_EQ(wide.CentreY, 150);
    EXPECT_EQ(wide.ChartRadius, 135);
    const ChartFrame tall = ComputeChartFrame(301, 500, Place(0, 0));
    EXPECT_EQ(tall.CentreX, 150);
    EXPECT_EQ(tall.CentreY, 250);
    EXPECT_EQ(tall.ChartRadius, 135);
    const ChartFrame empty = ComputeChartFrame(0, 0, Place(0, 0));
    EXPECT_EQ(empty.ChartRadius, 0);
    // The shorter side is halved in integers first: (23 div 2) * 0.9 = 9.9 -> 9, not 23 * 0.45 = 10.35.
    EXPECT_EQ(ComputeChartFrame(23, 40, Place(0, 0)).ChartRadius, 9);
    EXPECT_EQ(ComputeChartFrame(40, 23, Place(0, 0)).ChartRadius, 9);
}

TEST(ObserverFrame, AxesAreOrthonormalAndPointTheRightWay) {
    const ObserverState s = Place(0.3327296, 0.8305847);
    const ChartFrame f = ComputeChartFrame(400, 300, s);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double dot = 0;
            for (int k = 0; k < 3; ++k) dot += f.LocalFrame[i][k] * f.LocalFrame[j][k];
            EXPECT_NEAR(dot, i == j ? 1.0 : 0.0, 1e-12) << i << "," << j;
        }
    }
    // The zenith row points (almost, the geodetic latitude) along the observer offset.
    const double len = std::hypot(f.ObserverOffset[0], f.ObserverOffset[1], f.ObserverOffset[2]);
    double cosine = 0;
    for (int k = 0; k < 3; ++k) cosine += f.LocalFrame[2][k] * f.ObserverOffset[k] / len;
    EXPECT_GT(cosine, std::cos(0.01));
    EXPECT_NEAR(len, EarthRadiusAu, EarthRadiusAu * 0.01);
    // North has a positive z component in the northern hemisphere; west points to -90 deg longitude.
    EXPECT_GT(f.LocalFrame[0][2], 0.0);
    EXPECT_NEAR(f.LocalFrame[1][0], std::sin(s.Longitude), 1e-15);
}

TEST(EquatorialToHorizontal, PoleAndMeridianForAnObserver) {
    const double latitude = 0.8305847;
    const ObserverState s = Place(0.3327296, latitude);
    const ChartFrame f = TurnedFrame(s.Longitude, latitude, 1.0);
    const double jd = 2451545.0;
    // The celestial pole stands due north at the latitude's height (within the geodetic correction).
    const HorizontalPosition pole =
        EquatorialToHorizontal(f, 0.0, Pi / 2, InfinitelyFar, jd, Equinox::OfDate);
    EXPECT_NEAR(pole.Altitude, latitude, 0.01);
    EXPECT_NEAR(std::remainder(pole.Azimuth, 2 * Pi), 0.0, 0.01);
    // A star on the meridian at the observer's latitude passes through the zenith.
    const double localSidereal = 1.0 + s.Longitude;
    const HorizontalPosition top =
        EquatorialToHorizontal(f, localSidereal, latitude, InfinitelyFar, jd, Equinox::OfDate);
    EXPECT_NEAR(top.Altitude, Pi / 2, 0.01);
    // Six hours east of the meridian on the equator: rising due east.
    const HorizontalPosition east =
        EquatorialToHorizontal(f, localSidereal + Pi / 2, 0.0, InfinitelyFar, jd, Equinox::OfDate);
    EXPECT_NEAR(east.Altitude, 0.0, 0.01);
    EXPECT_NEAR(east.Azimuth, Pi / 2, 0.01);
    EXPECT_NEAR(east.Distance, InfinitelyFar, 1.0);
}

TEST(EquatorialToHorizontal, ZeroDistanceIsInfinitelyFarAndOffsetMattersOnlyNearby) {
    const ChartFrame f = TurnedFrame(0.3, 0.8, 2.0);
    const double jd = 2451545.0;
    const HorizontalPosition none = EquatorialToHorizontal(f, 1.0, 0.2, 0.0, jd, Equinox::OfDate);
    const HorizontalPosition far = EquatorialToHorizontal(f, 1.0, 0.2, InfinitelyFar, jd, Equinox::OfDate);
    EXPECT_DOUBLE_EQ(none.Altitude, far.Altitude);
    EXPECT_DOUBLE_EQ(none.Distance, far.Distance);
    // A Moon-like distance shifts the direction by up to about one degree.
    const HorizontalPosition moon = EquatorialToHorizontal(f, 1.0, 0.2, 0.00257, jd, Equinox::OfDate);
    const double shift = far.Altitude - moon.Altitude;
    EXPECT_GT(shift, 0.001);
    EXPECT_LT(shift, 0.02);
}

// A position of the date is taken as it is, whatever the date; a catalogue
// position is precessed: a thousand years before 2000 the pole of 2000 stood
// 5.57 degrees from the pole of the date (IAU 2006 precession; the uniform
// drift gives 5.55).
TEST(EquatorialToHorizontal, OnlyCataloguePositionsArePrecessed) {
    const ChartFrame f = TurnedFrame(0.3327296, 0.8305847, 1.0);
    const double year1000 = 2086302.5;
    const HorizontalPosition now =
        EquatorialToHorizontal(f, 2.0, 0.4, InfinitelyFar, 2451545.0, Equinox::OfDate);
    const HorizontalPosition then =
        EquatorialToHorizontal(f, 2.0, 0.4, InfinitelyFar, year1000, Equinox::OfDate);
    EXPECT_EQ(now.Azimuth, then.Azimuth);
    EXPECT_EQ(now.Altitude, then.Altitude);
    const HorizontalPosition epoch =
        EquatorialToHorizontal(f, 2.0, 0.4, InfinitelyFar, 2451543.5, Equinox::Catalogue);
    EXPECT_NEAR(epoch.Azimuth, now.Azimuth, 1e-12);
    EXPECT_NEAR(epoch.Altitude, now.Altitude, 1e-12);

    const HorizontalPosition pole =
        EquatorialToHorizontal(f, 0.0, Pi / 2, InfinitelyFar, year1000, Equinox::OfDate);
    const HorizontalPosition pole2000 =
        EquatorialToHorizontal(f, 0.0, Pi / 2, InfinitelyFar, year1000, Equinox::Catalogue);
    const double c =
        std::sin(pole.Altitude) * std::sin(pole2000.Altitude) +
        std::cos(pole.Altitude) * std::cos(pole2000.Altitude) * std::cos(pole.Azimuth - pole2000.Azimuth);
    EXPECT_NEAR(std::acos(c) * 180 / Pi, 5.57, 0.05);
}

TEST(ProjectToChart, ZenithRimAndDirections) {
    const ChartFrame f = ComputeChartFrame(400, 300, Place(0, 0));
    const ChartPoint zenith = ProjectToChart(f, 1.234, Pi / 2);
    EXPECT_FLOAT_EQ(zenith.X, 200.0f);
    EXPECT_FLOAT_EQ(zenith.Y, 150.0f);
    const ChartPoint north = ProjectToChart(f, 0.0, 0.0);
    EXPECT_NEAR(north.X, 200.0f, 1e-4);
    EXPECT_NEAR(north.Y, 150.0f - 135.0f, 1e-4);
    const ChartPoint east = ProjectToChart(f, Pi / 2, 0.0);
    EXPECT_NEAR(east.X, 200.0f - 135.0f, 1e-4);
    EXPECT_NEAR(east.Y, 150.0f, 1e-4);
    // Below the horizon lies outside the circle.
    const ChartPoint below = ProjectToChart(f, Pi, -0.3);
    EXPECT_GT(below.Y - 150.0f, 135.0f);
}

TEST(ChartToHorizontal, InvertsTheProjectionOffCentre) {
    const ChartFrame f = ComputeChartFrame(1024, 768, Place(0, 0));
    for (double a = -3.1; a < 3.14; a += 0.37) {
        for (double h = -0.5; h < 1.55; h += 0.21) {
            const ChartPoint p = ProjectToChart(f, a, h);
            const HorizontalPosition back = ChartToHorizontal(f, p.X, p.Y);
            EXPECT_NEAR(back.Altitude, h, 1e-5) << a << " " << h;
            EXPECT_NEAR(std::remainder(back.Azimuth - a, 2 * Pi), 0.0, 1e-4) << a << " " << h;
        }
    }
    // The centre is the zenith; its azimuth is taken as 0 rather than NaN.
    const HorizontalPosition top = ChartToHorizontal(f, f.CentreX, f.CentreY);
    EXPECT_DOUBLE_EQ(top.Altitude, Pi / 2);
    EXPECT_EQ(top.Azimuth, 0.0);
}

TEST(PlaceObject, VisibleFromAltitudeZeroUp) {
    HorizontalPosition p{0.5, 0.0, 1.0};
    EXPECT_EQ(PlaceObject(KindStar, 12, -1, p).Visible, 1);
    p.Altitude = -0.0001;
    const SkyObjectEntry below = PlaceObject(KindStar, 12, -1, p);
    EXPECT_EQ(below.Visible, 0);
    EXPECT_EQ(below.Kind, KindStar);
    EXPECT_EQ(below.Index, 12);
    EXPECT_EQ(below.SignIndex, -1);
    EXPECT_DOUBLE_EQ(below.Altitude, -0.0001);
    p.Altitude = -0.0;
    EXPECT_EQ(PlaceObject(KindSun, 0, 3, p).Visible, 1);
}

TEST(SignIndexOf, ThirtyDegreeSectorsOverTheWholeRange) {
    EXPECT_EQ(SignIndexOf(-0.1), 11);
    EXPECT_EQ(SignIndexOf(0.0), 0);
    EXPECT_EQ(SignIndexOf(3.2), 6);
    EXPECT_EQ(SignIndexOf(-Pi), 6);
    EXPECT_EQ(SignIndexOf(2 * Pi - 1e-9), 11);
    EXPECT_EQ(SignIndexOf(Pi / 6 - 1e-9), 0);
    EXPECT_EQ(SignIndexOf(Pi / 6 + 1e-9), 1);
    // Out of the documented range the result still stays a sector.
    EXPECT_EQ(SignIndexOf(-50.0), SignIndexOf(-50.0 + 16 * Pi));
    const int undefined = SignIndexOf(std::numeric_limits<double>::quiet_NaN());
    EXPECT_GE(undefined, 0);
    EXPECT_LT(undefined, 12);
}

TEST(HorizonCrossing, MeetsTheCircleOnTheSegment) {
    const ChartFrame f = ComputeChartFrame(400, 300, Place(0, 0));  // centre (200,150), radius 135
    const ChartPoint c = HorizonCrossing(f, {200, 150}, {200, 400});
    EXPECT_NEAR(c.X, 200.0f, 1e-4);
    EXPECT_NEAR(c.Y, 285.0f, 1e-4);
    // From outside to inside: the nearer intersection on the segment.
    const ChartPoint d = HorizonCrossing(f, {0, 150}, {200, 150});
    EXPECT_NEAR(d.X, 65.0f, 1e-4);
    // A chord crossing twice: the root with t in [0,1] that comes first in the rule (sqrt q - b/a).
    const ChartPoint e = HorizonCrossing(f, {0, 150}, {400, 150});
    EXPECT_NEAR(e.X, 335.0f, 1e-3);
    // Both ends a hair outside, the line cutting the circle off the segment
    // or missing it, or no length: the end nearer to the circle.
    const float hair = 335.0001f;
    for (const auto& [from, to] : {std::pair<ChartPoint, ChartPoint>{{hair, 150}, {400, 150}},
                                   {{400, 150}, {hair, 150}},
                                   {{hair, 150}, {hair, 400}},
                                   {{hair, 150}, {hair, 150}}}) {
        const ChartPoint n = HorizonCrossing(f, from, to);
        EXPECT_TRUE(n.X == hair && n.Y == 150) << n.X << ", " << n.Y;
    }
}

TEST(PointBeyondHorizon, OnTheRayAtRadiusPlusOffset) {
    const ChartFrame f = ComputeChartFrame(400, 300, Place(0, 0));
    const ChartPoint p = PointBeyondHorizon(f, {200 + 30, 150 - 40}, 5);
    EXPECT_NEAR(p.X, 200 + 140 * 0.6, 1e-3);
    EXPECT_NEAR(p.Y, 150 - 140 * 0.8, 1e-3);
}

// Both kinds through the one value: pixel to direction and back, which
// directions are drawable, and where a line from a drawable pixel to a
// hidden one is cut.
TEST(SkyProjection, BothKindsRoundTripAndCutAtTheirEdge) {
    const SkyProjection chart = SkyProjection::Stereographic(ComputeChartFrame(400, 300, Place(0.33, 0.83)));
    const SkyProjection closeUp = SkyProjection::Gnomonic(ComputeCloseUpFrame({2.0, 0.4, 0}), 431, 273);
    // How far a pixel lies inside the horizon circle, or inside the border pixels.
    const auto chartEdge = [](ChartPoint p) { return 135 - std::hypot(p.X - 200.0, p.Y - 150.0); };
    const auto windowEdge = [](ChartPoint p) {
        return std::min({p.X - 0.0, 430.0 - p.X, p.Y - 0.0, 272.0 - p.Y});
    };
    std::mt19937 random(19);
    std::uniform_real_distribution<double> unit(-0.2, 1.2);
    for (const SkyProjection& p : {chart, closeUp}) {
        const bool isChart = p.Type() == SkyProjection::Kind::Stereographic;
        const auto edge = isChart ? +chartEdge : +windowEdge;
        ChartPoint inside{}, outside{};
        for (int k = 0; k < 1000; ++k) {
            const ChartPoint pixel{static_cast<float>(unit(random) * p.Width()),
                                   static_cast<float>(unit(random) * p.Height())};
            const HorizontalPosition h = p.Backward(pixel.X, pixel.Y);
            const ChartPoint back = p.Project(h);
            ASSERT_LT(std::hypot(back.X - pixel.X, back.Y - pixel.Y), 3e-3);
            if (std::abs(edge(pixel)) < 1e-3) continue;
            ASSERT_EQ(p.Drawable(h.Azimuth, h.Altitude), edge(pixel) > 0) << pixel.X << "," << pixel.Y;
            (edge(pixel) > 0 ? inside : outside) = pixel;
        }
        // On the circle, or on the first border line the segment meets.
        const ChartPoint c = p.CrossEdge(inside, outside);
        if (isChart)
            EXPECT_NEAR(edge(c), 0.0, 1e-3);
        else
            EXPECT_TRUE(c.X == 0 || c.X == 430 || c.Y == 0 || c.Y == 272) << c.X << "," << c.Y;
    }
    EXPECT_FALSE(closeUp.Drawable(2.0 + Pi, -0.4));  // behind the viewer
    EXPECT_TRUE(chart.Drawable(2.0 + Pi, 0.0));
    EXPECT_FALSE(chart.Drawable(2.0 + Pi, -1e-12));
}

TEST(PixelRules, TruncationTowardZeroAndSaturation) {
    EXPECT_EQ(TruncToInt(2.9), 2);
    EXPECT_EQ(TruncToInt(-2.9), -2);
    EXPECT_EQ(TruncToInt(2147483648.0), 2147483647);
    EXPECT_EQ(TruncToInt(-2147483648.0), std::numeric_limits<int>::min());
    EXPECT_EQ(TruncToInt(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(TruncToInt(std::numeric_limits<double>::infinity()), 2147483647);
    EXPECT_EQ(TruncToInt(std::numeric_limits<double>::quiet_NaN()), std::numeric_limits<int>::min());
    EXPECT_EQ(CeilToInt(0.0001), 1);
    EXPECT_EQ(CeilToInt(-0.5), 0);
}

}  // namespace
}  // namespace kolvar
