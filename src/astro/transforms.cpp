#include "astro/transforms.h"

#include <algorithm>
#include <cmath>

namespace kolvar {

namespace {

// Precession as a uniform drift of ecliptic longitude, 50.28" per year,
// counted from 31 December 1999, 0 h (the catalogue equinox is 2000).
constexpr double PrecessionRadiansPerDay = 6.674034339871196e-07;
constexpr double CatalogueEpochYear = 2000.0;

// asin of a sine rounded a little beyond +-1 (next to the poles) stays a
// number instead of NaN.
double SafeAsin(double s) { return std::asin(std::clamp(s, -1.0, 1.0)); }

}  // namespace

SphericalPosition HeliocentricToEquatorial(const SphericalPosition& body,
                                           const SphericalPosition& reference) {
    const double l1 = body.Longitude, b1 = body.Latitude, r1 = body.Distance;
    const double l2 = reference.Longitude, b2 = reference.Latitude, r2 = reference.Distance;
    const double x = r1 * std::cos(l1) * std::cos(b1) - r2 * std::cos(l2) * std::cos(b2);
    const double y = r1 * std::sin(l1) * std::cos(b1) - r2 * std::sin(l2) * std::cos(b2);
    const double z = r1 * std::sin(b1) - r2 * std::sin(b2);

    const double e = FixedObliquity;
    SphericalPosition result;
    result.Distance = std::sqrt(x * x + y * y + z * z);
    result.Longitude = std::atan2(y * std::cos(e) - z * std::sin(e), x);
    result.Latitude = std::asin((y * std::sin(e) + z * std::cos(e)) / result.Distance);
    return result;
}

SphericalPosition PrecessToDate(double rightAscension, double declination, double distance,
                                double julianDay) {
    const double e = FixedObliquity;

    // Equatorial to ecliptic.
    double x = std::cos(rightAscension) * std::cos(declination);
    double y = std::sin(rightAscension) * std::cos(declination);
    double z = std::sin(declination);
    const double longitude = std::atan2(y * std::cos(e) + z * std::sin(e), x);
    const double latitude = SafeAsin(z * std::cos(e) - y * std::sin(e));

    const double drift =
        ((CatalogueEpochYear - 2000.0) * 365.2422 - (julianDay - 2451543.5)) * PrecessionRadiansPerDay;
    const double shifted = longitude - drift;

    // Back to equatorial: the rotated direction is the position of the date,
    // right ascension measured from the equinox of the date.
    x = std::cos(shifted) * std::cos(latitude);
    y = std::sin(shifted) * std::cos(latitude);
    z = std::sin(latitude);
    SphericalPosition result;
    result.Longitude = std::atan2(y * std::cos(e) - z * std::sin(e), x);
    result.Latitude = SafeAsin(z * std::cos(e) + y * std::sin(e));
    result.Distance = distance;
    return result;
}

}  // namespace kolvar
