#include "astro/sun_moon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"

namespace kolvar {
namespace {

constexpr double Degree = Pi / 180.0;

double Reduced(double angle) { return std::remainder(angle, TwoPi); }

TEST(SunMoonState, SunOnDayZero) {
    const SunMoonResult r = SunMoonState(2451543.5L);
    const double trueLongitude = WrapTwoPi(r.EarthHeliocentric.Longitude - Pi);
    EXPECT_NEAR(trueLongitude / Degree, 278.85, 0.01);
    EXPECT_NEAR(r.EarthHeliocentric.Longitude / Degree, 98.85, 0.01);
    EXPECT_EQ(r.EarthHeliocentric.Latitude, 0.0);
    EXPECT_NEAR(r.EarthHeliocentric.Distance, 0.98333, 0.00001);
    EXPECT_EQ(r.SunEquatorial.Distance, r.EarthHeliocentric.Distance);

    // The equatorial position is the same direction turned by the obliquity of date.
    const double eps = 23.4393 * Degree;
    const double dec = std::asin(std::sin(trueLongitude) * std::sin(eps));
    const double ra = std::atan2(std::sin(trueLongitude) * std::cos(eps), std::cos(trueLongitude));
    EXPECT_NEAR(r.SunEquatorial.Longitude, ra, 1e-12);
    EXPECT_NEAR(r.SunEquatorial.Latitude, dec, 1e-12);
}

// A worked example for these elements: 19 April 1990, 0 h UT (day -3543).
TEST(SunMoonState, PublishedExample1990) {
    const SunMoonResult r = SunMoonState(2448000.5L);
    EXPECT_NEAR(r.SunEquatorial.Longitude / Degree, 26.658, 0.002);
    EXPECT_NEAR(r.SunEquatorial.Latitude / Degree, 11.008, 0.002);
    EXPECT_NEAR(r.SunEquatorial.Distance, 1.004323, 1e-5);
}

TEST(SunMoonState, RangesOverTwoCenturies) {
    for (long double jd = 2415020.0L; jd < 2488000.0L; jd += 37.3L) {
        const SunMoonResult r = SunMoonState(jd);
        EXPECT_GE(r.SunEquatorial.Longitude, -Pi);
        EXPECT_LE(r.SunEquatorial.Longitude, Pi);
        EXPECT_GE(r.MoonEquatorial.Longitude, -Pi);
        EXPECT_LE(r.MoonEquatorial.Longitude, Pi);
        EXPECT_LE(std::abs(r.SunEquatorial.Latitude), 23.5 * Degree);
        EXPECT_LE(std::abs(r.MoonEquatorial.Latitude), 29.0 * Degree);
        EXPECT_GE(r.EarthHeliocentric.Longitude, 0.0);
        EXPECT_LE(r.EarthHeliocentric.Longitude, TwoPi);
        EXPECT_GT(r.EarthHeliocentric.Distance, 0.983);
        EXPECT_LT(r.EarthHeliocentric.Distance, 1.017);
        // The Moon stays between perigee and apogee (356 000 .. 407 000 km).
        EXPECT_GT(r.MoonEcliptic.Distance * 149597870.7, 355000.0);
        EXPECT_LT(r.MoonEcliptic.Distance * 149597870.7, 408000.0);
        EXPECT_EQ(r.MoonEquatorial.Distance, r.MoonEcliptic.Distance);
        EXPECT_LE(std::abs(r.MoonEcliptic.Latitude), 5.4 * Degree);
    }
}

// New, first quarter, full and last quarter Moon of January 2000 (UT).
TEST(MoonPhaseAngle, SignConventions) {
    const double newMoon = Reduced(MoonPhaseAngle(SunMoonState(2451550.26L)));
    const double firstQuarter = Reduced(MoonPhaseAngle(SunMoonState(2451558.065L)));
    const double fullMoon = Reduced(MoonPhaseAngle(SunMoonState(2451564.695L)));
    const double lastQuarter = Reduced(MoonPhaseAngle(SunMoonState(2451571.83L)));
    EXPECT_NEAR(newMoon / Degree, 0.0, 2.0);
    // Waxing: the Moon east of the Sun, so the Sun's minus the Moon's longitude is negative.
    EXPECT_NEAR(firstQuarter / Degree, -90.0, 2.0);
    EXPECT_NEAR(std::abs(fullMoon) / Degree, 180.0, 2.0);
    EXPECT_NEAR(lastQuarter / Degree, 90.0, 2.0);
}

TEST(SunMoonState, MoonEquatorialMatchesEcliptic) {
    for (long double jd = 2451000.0L; jd < 2452000.0L; jd += 11.1L) {
        const SunMoonResult r = SunMoonState(jd);
        const double eps = (23.4393 - 3.563e-7 * static_cast<double>(jd - 2451543.5L)) * Degree;
        const double l = r.MoonEcliptic.Longitude;
        const double b = r.MoonEcliptic.Latitude;
        const double dec = std::asin(std::sin(b) * std::cos(eps) + std::cos(b) * std::sin(eps) * std::sin(l));
        const double ra = std::atan2(std::sin(l) * std::cos(eps) - std::tan(b) * std::sin(eps), std::cos(l));
        EXPECT_NEAR(r.MoonEquatorial.Latitude, dec, 1e-12);
        EXPECT_NEAR(Reduced(r.MoonEquatorial.Longitude - ra), 0.0, 1e-12);
    }
}

}  // namespace
}  // namespace kolvar
