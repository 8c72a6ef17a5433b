#pragma once

#include "astro/spherical_position.h"
#include "sky/observer_frame.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// Where the scene places each object of the table: catalogue positions with
// proper motion and precession to the date, the Sun, the Moon and the
// planets from the elements of the date, seen from the observer's frame.

inline constexpr double SunRadiusAu = 0.00464066;
inline constexpr double MoonRadiusAu = 1.1612599e-05;

// Where the chart places a star or deep-sky object of the catalogue for the
// frame at `julianDay` (UT): proper motion and precession to the date.
SkyObjectEntry PlaceStar(const ObserverFrame& frame, double julianDay, int star);
SkyObjectEntry PlaceDeepSkyObject(const ObserverFrame& frame, double julianDay, int object);

// Where the chart places the Sun, the Moon (geocentric places of the date)
// and a planet for the frame at `julianDay` (UT).
SkyObjectEntry PlaceSun(const ObserverFrame& frame, double julianDay, const SphericalPosition& sun);
SkyObjectEntry PlaceMoon(const ObserverFrame& frame, double julianDay, const SphericalPosition& moon);
SkyObjectEntry PlacePlanet(const ObserverFrame& frame, double julianDay, int planet,
                           const SphericalPosition& earth);

// The geocentric place of date (RA, Dec, AU) of the Sun, the Moon or a planet
// by its slot, as the chart computes it.
SphericalPosition GeocentricBodyPosition(int slot, double julianDay);

}  // namespace kolvar
