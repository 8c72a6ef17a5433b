#pragma once

#include "astro/spherical_position.h"

namespace kolvar {

// Fixed obliquity of the ecliptic, 23 deg 26 min 45 s.
inline constexpr double FixedObliquity = 0.40920698754050383;

// Geocentric (right ascension, declination, distance) of `body` seen from
// `reference`; both heliocentric ecliptic. Right ascension in -pi..pi.
SphericalPosition HeliocentricToEquatorial(const SphericalPosition& body, const SphericalPosition& reference);

// Equinox-2000 position precessed to the date, as a uniform drift of ecliptic
// longitude; distance passed through.
SphericalPosition PrecessToDate(double rightAscension, double declination, double distance, double julianDay);

}  // namespace kolvar
