#pragma once

#include "astro/spherical_position.h"

namespace kolvar {

// Fixed obliquity of the ecliptic, 23 deg 26 min 45 s.
inline constexpr double FixedObliquity = 0.40920698754050383;

// Geocentric (right ascension, declination, distance) of `body` seen from
// `reference`; both heliocentric ecliptic. Right ascension in -pi..pi.
SphericalPosition HeliocentricToEquatorial(const SphericalPosition& body, const SphericalPosition& reference);

// What a right ascension and declination are referred to. Catalogue: the
// equinox 2000 of the star, deep-sky and Milky Way tables. OfDate: the equinox
// of the date, which is what SunMoonState and HeliocentricToEquatorial
// deliver (the Sun, the Moon, the planets, points of the ecliptic and its
// pole), since their mean elements, longitudes counted from the moving
// equinox, already run with the date.
enum class Equinox { Catalogue, OfDate };

// Equinox-2000 position precessed to the date, as a uniform drift of ecliptic
// longitude (a turn about the ecliptic pole); distance passed through.
SphericalPosition PrecessToDate(double rightAscension, double declination, double distance, double julianDay);

}  // namespace kolvar
