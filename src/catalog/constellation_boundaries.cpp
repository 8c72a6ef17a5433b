#include "catalog/constellation_boundaries.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "astro/angles.h"

namespace kolvar {

namespace {

struct Band {
    double LowHours, HighHours;  // right ascension, B1875
    double LowDeclination;       // degrees, B1875
    int Constellation;
};

constexpr Band Bands[] = {
#include "catalog/generated/constellation_boundaries.inc"
};

constexpr double JulianDayB1875 = 2405889.258550475;

}  // namespace

int ConstellationAt(double rightAscension, double declination) {
    // Precession from J2000 to B1875 by the IAU 1976 angles.
    const double t = (JulianDayB1875 - 2451545.0) / 36525.0;
    const double arcsecond = Pi / (180.0 * 3600.0);
    const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) * arcsecond;
    const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) * arcsecond;
    const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) * arcsecond;
    const double a = std::cos(declination) * std::sin(rightAscension + zeta);
    const double b = std::cos(theta) * std::cos(declination) * std::cos(rightAscension + zeta) -
                     std::sin(theta) * std::sin(declination);
    const double c = std::sin(theta) * std::cos(declination) * std::cos(rightAscension + zeta) +
                     std::cos(theta) * std::sin(declination);
    double hours = std::fmod((std::atan2(a, b) + z) * 12.0 / Pi, 24.0);
    if (hours < 0.0) hours += 24.0;
    const double degrees = std::asin(std::clamp(c, -1.0, 1.0)) * 180.0 / Pi;
    for (const Band& band : Bands)
        if (degrees >= band.LowDeclination && band.LowHours <= hours && hours < band.HighHours)
            return band.Constellation;
    return Bands[std::size(Bands) - 1].Constellation;  // the south pole's
}

}  // namespace kolvar
