#pragma once

#include "astro/spherical_position.h"

namespace kolvar {

// Earth's equatorial radius in astronomical units.
inline constexpr double EarthRadiusAu = 4.26353e-05;

struct SunMoonResult {
    SphericalPosition SunEquatorial;      // geocentric RA (-pi..pi), Dec, distance AU
    SphericalPosition MoonEquatorial;     // geocentric RA, Dec, distance AU
    SphericalPosition EarthHeliocentric;  // ecliptic longitude 0..2*pi, latitude 0, distance AU
    SphericalPosition MoonEcliptic;       // geocentric ecliptic longitude (not reduced), latitude, distance
};

SunMoonResult SunMoonState(long double julianDay);

// The Moon's phase angle: the Earth's heliocentric longitude + pi - the
// Moon's ecliptic longitude, that is the Sun's minus the Moon's longitude
// plus a turn, not reduced to any range: 0 (mod 2 pi) at new Moon, pi at
// full Moon.
double MoonPhaseAngle(const SunMoonResult& state);

}  // namespace kolvar
