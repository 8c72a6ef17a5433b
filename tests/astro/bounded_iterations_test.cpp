// Far from 2000 the element rates drive eccentricities past 1 and angles to
// huge values; non-finite instants reach every iteration as NaN. Each must
// still return.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/ephemeris_range.h"
#include "astro/kepler.h"
#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "astro/time_scales.h"

namespace kolvar {
namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

class BoundedIterations : public ::testing::Test {
protected:
};

TEST_F(BoundedIterations, KeplerConvergesOrStops) {
    // Reduced mean anomalies with eccentricities up to twice Mercury's.
    for (double e : {0.0, 0.0549, 0.2056, 0.4}) {
        for (double m = 0.0; m < TwoPi; m += 0.01) {
            const double ecc = SolveKepler(m, e, 0.0);
            EXPECT_NEAR(ecc - e * std::sin(ecc), m, 1e-9) << e << " " << m;
        }
    }
    // The Moon's anomaly is not reduced and the iteration still starts at 0.
    for (double m = -7000.0; m < 7000.0; m += 77.7) {
        const double ecc = SolveKepler(m, 0.0549, 0.0);
        EXPECT_NEAR(ecc - 0.0549 * std::sin(ecc), m, 1e-9) << m;
    }
    // No solution or no tolerance ever met: it still returns.
    EXPECT_TRUE(std::isnan(SolveKepler(Nan, 0.1, 0.0)));
    EXPECT_TRUE(std::isnan(SolveKepler(1.0, Nan, 0.0)));
    (void)SolveKepler(1.0, 1.5, 0.0);
    (void)SolveKepler(1e15, 0.0549, 0.0);
}

TEST_F(BoundedIterations, FarInstantsReturn) {
    for (const double jd : {1e12, -1e12, 1e300, -1e300, Inf, -Inf}) {
        const SunMoonResult r = SunMoonState(jd);
        (void)r;
        for (int i = 0; i < PlanetCount; ++i) {
            (void)PlanetHeliocentric(jd, i);
        }
        for (const PlanetInfo& info : PlanetInfoTable) {
            (void)OrbitPositionAt(info, jd);
        }
        const double sidereal = GreenwichSiderealAngle(jd);
        EXPECT_TRUE(std::isnan(sidereal) || (sidereal >= 0.0 && sidereal < TwoPi));
        const CalendarMoment m = CalendarFromJulianDay(jd, 1.0f, false);
        EXPECT_GE(m.Month, 1);
        EXPECT_LE(m.Month, 12);
    }
    SUCCEED() << "every call returned";
}

TEST_F(BoundedIterations, ElementsCoverEveryHistoricDayButNotTheFarOnes) {
    // Every hundredth day from 4713 BC to AD 9000: an ordinary day is never refused.
    for (double jd = 0.0; jd < 5.0e6; jd += 100.25) {
        ASSERT_TRUE(ElementsCoverDay(jd)) << jd;
    }
    // Every body's orbit gone, Saturn's alone, and days that are no instant.
    for (const double jd : {1e12, -1e8, Nan, Inf, -Inf}) {
        EXPECT_FALSE(ElementsCoverDay(jd)) << jd;
    }
}

TEST_F(BoundedIterations, NanInGivesNanOut) {
    const SunMoonResult r = SunMoonState(Nan);
    for (const SphericalPosition& p :
         {r.SunEquatorial, r.MoonEquatorial, r.EarthHeliocentric, r.MoonEcliptic}) {
        EXPECT_TRUE(std::isnan(p.Longitude));
        EXPECT_TRUE(std::isnan(p.Distance));
    }
    EXPECT_TRUE(std::isnan(r.SunEquatorial.Latitude));
    EXPECT_TRUE(std::isnan(r.MoonEquatorial.Latitude));
    for (int i = 0; i < PlanetCount; ++i) {
        const SphericalPosition p = PlanetHeliocentric(Nan, i);
        EXPECT_TRUE(std::isnan(p.Longitude)) << i;
        EXPECT_TRUE(std::isnan(p.Latitude)) << i;
        EXPECT_TRUE(std::isnan(p.Distance)) << i;
    }
    for (const PlanetInfo& info : PlanetInfoTable) {
        const SphericalPosition p = OrbitPositionAt(info, Nan);
        EXPECT_TRUE(std::isnan(p.Longitude));
        EXPECT_TRUE(std::isnan(p.Distance));
    }
    EXPECT_TRUE(std::isnan(MeanAnomalyFromTrue(Nan, 0.1)));
    EXPECT_TRUE(std::isnan(GreenwichSiderealAngle(Nan)));
    EXPECT_TRUE(std::isnan(CalendarFromJulianDay(Nan, 0.0f, false).Second));
}

TEST_F(BoundedIterations, OrbitIterationsWithBrokenRecords) {
    PlanetInfo broken = PlanetInfoTable[1];
    broken.Eccentricity = 1.5;
    (void)TrueAnomalyAtEpoch(broken);
    (void)OrbitPositionAt(broken, 2451545.0);
    broken.EpochLongitude = Nan;
    EXPECT_TRUE(std::isnan(TrueAnomalyAtEpoch(broken)));
    broken = PlanetInfoTable[1];
    broken.Period = 0.0;
    (void)OrbitPositionAt(broken, 2451545.0);
    SUCCEED() << "every call returned";
}

}  // namespace
}  // namespace kolvar
