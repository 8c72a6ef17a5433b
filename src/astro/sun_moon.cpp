#include "astro/sun_moon.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/kepler.h"

namespace kolvar {

namespace {

// Days counted from 31 December 1999, 0 h UT, the zero point of the elements.
constexpr long double ElementZeroDay = 2451543.5L;
constexpr double MoonDegree = 0.017453292519943295;

// The Sun series turns degrees into radians with pi and 1/180.
double SunRadians(long double degrees) { return static_cast<double>(degrees * Pi * (1.0L / 180)); }

double MoonRadians(long double degrees) { return static_cast<double>(degrees * MoonDegree); }

struct SunOrbit {
    double meanAnomaly;    // reduced to 0..2*pi
    double trueLongitude;  // 0..2*pi
    double distance;       // AU
};

SunOrbit ComputeSun(long double d) {
    const double w = SunRadians(282.9404L + 4.70935e-5L * d);
    const auto e = static_cast<double>(0.016709L - 1.151e-9L * d);
    const double m = WrapTwoPi(SunRadians(356.047L + 0.9856002585L * d));

    const double ecc = SolveKepler(m, e, m + e * std::sin(m) * (1.0 + e * std::cos(m)));
    const double xv = std::cos(ecc) - e;
    const double yv = std::sqrt(1.0 - e * e) * std::sin(ecc);
    const double v = std::atan2(yv, xv);

    SunOrbit sun;
    sun.meanAnomaly = m;
    sun.trueLongitude = WrapTwoPi(WrapTwoPi(w) + v);
    sun.distance = std::sqrt(xv * xv + yv * yv);
    return sun;
}

// Geocentric ecliptic longitude, latitude and distance (Earth radii) of the Moon.
struct MoonOrbit {
    double longitude;
    double latitude;
    double distance;
};

MoonOrbit ComputeMoon(long double d, const SunOrbit& sun) {
    constexpr double a = 60.2666;  // Earth radii
    constexpr double e = 0.0549;
    constexpr double inclination = 0.08980417133211624;  // 5.1454 degrees
    const double node = MoonRadians(125.1228L - 0.0529538083L * d);
    const double w = MoonRadians(318.0634L + 0.1643573223L * d);
    const double m = MoonRadians(115.3654L + 13.0649929509L * d);  // not reduced

    const double ecc = SolveKepler(m, e, 0.0);
    const double xv = a * (std::cos(ecc) - e);
    const double yv = a * std::sqrt(0.99698599) * std::sin(ecc);
    const double v = std::atan2(yv, xv);
    double r = std::sqrt(xv * xv + yv * yv);

    const double xh =
        r * (std::cos(node) * std::cos(v + w) - std::sin(node) * std::sin(v + w) * std::cos(inclination));
    const double yh =
        r * (std::sin(node) * std::cos(v + w) + std::cos(node) * std::sin(v + w) * std::cos(inclination));
    const double zh = r * std::sin(v + w) * std::sin(inclination);
    double lon = std::atan2(yh, xh);
    double lat = std::atan2(zh, std::sqrt(xh * xh + yh * yh));

    // Main periodic terms of the lunar theory.
    const double mm = m;
    const double ms = sun.meanAnomaly;
    const double lm = mm + node + w;
    const double dd = lm - sun.trueLongitude;
    const double f = lm - node;

    const double lonTerms = -1.274 * std::sin(mm - 2 * dd) + 0.658 * std::sin(2 * dd) - 0.186 * std::sin(ms) -
                            0.059 * std::sin(2 * mm - 2 * dd) - 0.057 * std::sin(mm - 2 * dd + ms) +
                            0.053 * std::sin(mm + 2 * dd) + 0.046 * std::sin(2 * dd - ms) +
                            0.041 * std::sin(mm - ms) - 0.035 * std::sin(dd) - 0.031 * std::sin(mm + ms) -
                            0.015 * std::sin(2 * f - 2 * dd) + 0.011 * std::sin(mm - 4 * dd);
    lon += lonTerms * MoonDegree;

    const double latTerms = -0.173 * std::sin(f - 2 * dd) - 0.055 * std::sin(mm - f - 2 * dd) -
                            0.046 * std::sin(mm + f - 2 * dd) + 0.033 * std::sin(f + 2 * dd) +
                            0.017 * std::sin(2 * mm + f);
    lat += latTerms * MoonDegree;

    r += -0.58 * std::cos(mm - 2 * dd) - 0.46 * std::cos(2 * dd);
    return {lon, lat, r};
}

}  // namespace

SunMoonResult SunMoonState(long double julianDay) {
    const long double d = julianDay - ElementZeroDay;
    // Obliquity of date; the fixed obliquity of the transforms is not used here.
    const double eps = SunRadians(23.4393L - 3.563e-7L * d);

    const SunOrbit sun = ComputeSun(d);
    SunMoonResult result;
    result.EarthHeliocentric = {WrapTwoPi(sun.trueLongitude + Pi), 0.0, sun.distance};
    {
        const double r = sun.distance;
        const double x = r * std::cos(sun.trueLongitude);
        const double y = r * std::sin(sun.trueLongitude) * std::cos(eps);
        const double z = r * std::sin(sun.trueLongitude) * std::sin(eps);
        result.SunEquatorial = {std::atan2(y, x), std::atan2(z, std::sqrt(x * x + y * y)), r};
    }

    const MoonOrbit moon = ComputeMoon(d, sun);
    const double distanceAu = moon.distance * EarthRadiusAu;
    result.MoonEcliptic = {moon.longitude, moon.latitude, distanceAu};
    {
        const double r = moon.distance;
        const double x = r * std::cos(moon.longitude) * std::cos(moon.latitude);
        const double y = r * std::sin(moon.longitude) * std::cos(moon.latitude);
        const double z = r * std::sin(moon.latitude);
        const double y2 = y * std::cos(eps) - z * std::sin(eps);
        const double z2 = y * std::sin(eps) + z * std::cos(eps);
        result.MoonEquatorial = {std::atan2(y2, x), std::atan2(z2, std::sqrt(x * x + y2 * y2)), distanceAu};
    }
    return result;
}

double MoonPhaseAngle(const SunMoonResult& state) {
    return state.EarthHeliocentric.Longitude + Pi - state.MoonEcliptic.Longitude;
}

}  // namespace kolvar
