#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/transforms.h"

namespace kolvar {
namespace {

constexpr double Degree = Pi / 180.0;
constexpr double ArcSecond = Degree / 3600.0;

TEST(AngleConverters, SignAppliesToTheWholeAngle) {
    EXPECT_DOUBLE_EQ(static_cast<double>(DmsToRadians('-', 0, 30, 0.0f)), -0.5 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(DmsToRadians('+', 0, 30, 0.0f)), 0.5 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(DmsToRadians(' ', 0, 30, 0.0f)), 0.5 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(DmsToRadians('-', 0, 0, 36.0f)), -0.01 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(DmToRadians('-', 0, 45.0f)), -0.75 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(DmToRadians('+', 12, 30.0f)), 12.5 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(DmsToRadians('-', 29, 5, 26.0f)),
                     -(29.0 + 5.0 / 60 + 26.0 / 3600) * Degree);
}

TEST(AngleConverters, HoursDoNotWrap) {
    EXPECT_EQ(static_cast<double>(HmsToRadians(24, 0, 0.0f)), TwoPi);
    EXPECT_DOUBLE_EQ(static_cast<double>(HmsToRadians(6, 30, 0.0f)), 97.5 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(HmsToRadians(0, 8, 23.3f)),
                     (8.0 + static_cast<double>(23.3f) / 60) / 60 * 15 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(HmToRadians(5, 30.0f)), 82.5 * Degree);
    EXPECT_DOUBLE_EQ(static_cast<double>(HmToRadians(25, 0.0f)), 375.0 * Degree);
}

TEST(AngleConverters, TropicalYears) {
    EXPECT_DOUBLE_EQ(static_cast<double>(DaysToTropicalYears(365.242199L)), 1.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(DaysToTropicalYears(-3652.42199L)), -10.0);
}

TEST(AngleWrapping, ReducesIntoRange) {
    EXPECT_DOUBLE_EQ(WrapTwoPi(1.0), 1.0);
    EXPECT_DOUBLE_EQ(WrapTwoPi(-0.1), TwoPi - 0.1);
    EXPECT_DOUBLE_EQ(WrapTwoPi(7.0), 7.0 - TwoPi);
    EXPECT_NEAR(WrapTwoPi(-7.0), 2 * TwoPi - 7.0, 1e-15);
    EXPECT_NEAR(WrapTwoPi(100 * TwoPi + 0.5), 0.5, 1e-12);
    for (double a : {1e6, -1e6, 1e12, -1e12, 1e15}) {
        EXPECT_GE(WrapTwoPi(a), 0.0) << a;
        EXPECT_LE(WrapTwoPi(a), TwoPi) << a;
    }
    EXPECT_TRUE(std::isnan(WrapTwoPi(std::nan(""))));
    EXPECT_TRUE(std::isnan(WrapTwoPi(INFINITY)));

    EXPECT_DOUBLE_EQ(WrapPi(4.0), 4.0 - TwoPi);
    EXPECT_DOUBLE_EQ(WrapPi(-4.0), TwoPi - 4.0);
    EXPECT_DOUBLE_EQ(WrapPi(3.0), 3.0);
    EXPECT_DOUBLE_EQ(WrapPi(-Pi), -Pi);
}

// Ecliptic (l, b) to equatorial with the fixed obliquity, written out the
// textbook way as an independent reference.
void EclipticToEquatorial(double l, double b, double& ra, double& dec) {
    const double e = FixedObliquity;
    dec = std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l));
    ra = std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l));
}

TEST(HeliocentricToEquatorial, ReferenceAtTheOriginGivesTheBodysDirection) {
    const SphericalPosition origin{1.2, 0.3, 0.0};
    for (double l = -3.0; l < 3.2; l += 0.7) {
        for (double b : {-1.2, -0.2, 0.0, 0.4, 1.5}) {
            const SphericalPosition r = HeliocentricToEquatorial({l, b, 2.5}, origin);
            double ra = 0.0;
            double dec = 0.0;
            EclipticToEquatorial(l, b, ra, dec);
            EXPECT_NEAR(r.Longitude, ra, 1e-12) << l << " " << b;
            EXPECT_NEAR(r.Latitude, dec, 1e-12);
            EXPECT_NEAR(r.Distance, 2.5, 1e-14);
        }
    }
}

TEST(HeliocentricToEquatorial, SeenFromTheEarth) {
    // The Sun (at the origin) seen from the Earth lies opposite the Earth's longitude.
    const SphericalPosition earth{0.5, 0.0, 0.99};
    const SphericalPosition sun = HeliocentricToEquatorial({0.0, 0.0, 0.0}, earth);
    double ra = 0.0;
    double dec = 0.0;
    EclipticToEquatorial(0.5 + Pi, 0.0, ra, dec);
    EXPECT_NEAR(std::remainder(sun.Longitude - ra, TwoPi), 0.0, 1e-12);
    EXPECT_NEAR(sun.Latitude, dec, 1e-12);
    EXPECT_NEAR(sun.Distance, 0.99, 1e-14);

    // A body straight outward from the Earth: same direction, distance the difference.
    const SphericalPosition mars = HeliocentricToEquatorial({0.5, 0.0, 1.5}, earth);
    EclipticToEquatorial(0.5, 0.0, ra, dec);
    EXPECT_NEAR(mars.Longitude, ra, 1e-12);
    EXPECT_NEAR(mars.Distance, 0.51, 1e-14);

    // Right ascensions come straight from atan2: negative in the western half.
    EXPECT_LT(HeliocentricToEquatorial({-2.0, 0.0, 5.0}, {0.0, 0.0, 0.0}).Longitude, 0.0);
}

// Equatorial to ecliptic longitude/latitude with the fixed obliquity.
void EquatorialToEcliptic(double ra, double dec, double& l, double& b) {
    const double e = FixedObliquity;
    b = std::asin(std::sin(dec) * std::cos(e) - std::cos(dec) * std::sin(e) * std::sin(ra));
    l = std::atan2(std::sin(ra) * std::cos(e) + std::tan(dec) * std::sin(e), std::cos(ra));
}

TEST(PrecessToDate, AtTheEpochNothingMoves) {
    for (double ra : {0.0, 1.0, 3.0, 4.5, 6.0}) {
        for (double dec : {-1.4, -0.5, 0.0, 0.3, 1.5}) {
            const SphericalPosition p = PrecessToDate(ra, dec, 7.0, 2451543.5);
            EXPECT_NEAR(std::remainder(p.Longitude - ra, TwoPi), 0.0, 1e-12) << ra << " " << dec;
            EXPECT_NEAR(p.Latitude, dec, 1e-12);
            EXPECT_EQ(p.Distance, 7.0);
        }
    }
    EXPECT_EQ(PrecessToDate(1.0, 0.5, InfinitelyFar, 2460000.0).Distance, InfinitelyFar);
}

// One Julian year on, every position has turned about the ecliptic pole by
// 50.28": ecliptic longitude up by that much, latitude kept, and right
// ascension and declination moved by the classical annual precession
// m + n sin(ra) tan(dec) and n cos(ra), with m = p cos(e) and n = p sin(e).
TEST(PrecessToDate, OneYearTurnsEverythingAboutTheEclipticPole) {
    const double p = 50.28 * ArcSecond;
    const double m = p * std::cos(FixedObliquity), n = p * std::sin(FixedObliquity);
    for (double ra : {0.0, 0.2, 1.7, 3.1, 4.4, 5.9}) {
        for (double dec : {-1.0, -0.2, 0.0, 0.1, 0.9}) {
            const SphericalPosition q = PrecessToDate(ra, dec, 1.0, 2451543.5 + 365.25);
            double l0 = 0.0, b0 = 0.0, l1 = 0.0, b1 = 0.0;
            EquatorialToEcliptic(ra, dec, l0, b0);
            EquatorialToEcliptic(q.Longitude, q.Latitude, l1, b1);
            EXPECT_NEAR(std::remainder(l1 - l0, TwoPi) / ArcSecond, 50.28, 0.01) << ra << " " << dec;
            EXPECT_NEAR((b1 - b0) / ArcSecond, 0.0, 1e-6);
            // First-order formulas: second-order terms stay below 0.03" here.
            const double dRa = std::remainder(q.Longitude - ra, TwoPi);
            EXPECT_NEAR((dRa - (m + n * std::sin(ra) * std::tan(dec))) / ArcSecond, 0.0, 0.03)
                << ra << " " << dec;
            EXPECT_NEAR((q.Latitude - dec - n * std::cos(ra)) / ArcSecond, 0.0, 0.03) << ra << " " << dec;
        }
    }
    // Backwards in time the turn goes the other way: the equinox point of 2000
    // stood at a negative right ascension a century earlier.
    const double century = 36525.0 * 6.674034339871196e-07;
    const SphericalPosition before = PrecessToDate(0.0, 0.0, 1.0, 2451543.5 - 36525.0);
    EXPECT_NEAR((before.Longitude + century * std::cos(FixedObliquity)) / ArcSecond, 0.0, 0.5);
    EXPECT_NEAR((before.Latitude + century * std::sin(FixedObliquity)) / ArcSecond, 0.0, 0.5);
}

// The ecliptic poles are the fixed points of the turn, for any date; next to
// them a sine rounded past 1 must not turn the position into NaN.
TEST(PrecessToDate, EclipticPolesKeepTheirPlace) {
    const double poleDec = Pi / 2 - FixedObliquity;
    struct Point {
        double Ra, Dec;
    };
    for (const Point& pole : {Point{1.5 * Pi, poleDec}, Point{-0.5 * Pi, std::asin(std::cos(FixedObliquity))},
                              Point{0.5 * Pi, -poleDec}, Point{4.712388975657823, 1.161589336610387}}) {
        for (double jd : {2086302.5, 2451545.0, 2816788.5}) {  // the years 1000, 2000 and 3000
            const SphericalPosition q = PrecessToDate(pole.Ra, pole.Dec, 1.0, jd);
            ASSERT_TRUE(std::isfinite(q.Longitude) && std::isfinite(q.Latitude)) << pole.Ra << " " << jd;
            const double cosSep = std::sin(q.Latitude) * std::sin(pole.Dec) +
                                  std::cos(q.Latitude) * std::cos(pole.Dec) * std::cos(q.Longitude - pole.Ra);
            EXPECT_LT(std::acos(std::min(1.0, cosSep)) / ArcSecond, 0.01) << pole.Ra << " " << jd;
        }
    }
}

}  // namespace
}  // namespace kolvar
