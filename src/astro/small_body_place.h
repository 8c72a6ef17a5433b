#pragma once

#include <span>
#include <vector>

#include "astro/small_body.h"
#include "astro/spherical_position.h"

namespace kolvar {

// Where a comet or minor planet stands for an observer at the Earth's centre
// at one instant: the two-body orbit at the moment the light left it, seen
// from the Earth of ERFA's eraEpv00.
struct SmallBodyPlace {
    // Geocentric astrometric place, ICRS (J2000): radians, right ascension -pi..pi.
    double RightAscension = 0.0;
    double Declination = 0.0;
    // The same direction referred to the true equator and equinox of the date
    // (the frame the chart takes the Sun, the Moon and the planets in, Equinox::OfDate),
    // right ascension -pi..pi, and the distance from the Earth in AU.
    SphericalPosition OfDate;
    double EarthDistance = 0.0;  // delta, AU
    double SunDistance = 0.0;    // r, AU
    double PhaseAngle = 0.0;     // Sun - body - Earth, radians
    double Magnitude = 0.0;      // visual; NaN when the body's brightness is unknown
    double EpochAgeDays = 0.0;   // the instant less the elements' epoch, days
    // The direction from the Sun through the body (where a comet's tail
    // points) as a unit vector of date, components towards the equinox, 90
    // degrees east on the equator, the pole.
    double AntiSolarOfDate[3] = {1.0, 0.0, 0.0};
    bool Valid = false;  // false when the orbit gave no finite place
};

// The places of `bodies` at `julianDayUt` (Universal Time), in their order.
// The Earth, the precession-nutation of the date and Terrestrial Time are
// found once for all of them.
std::vector<SmallBodyPlace> SmallBodyPlaces(std::span<const SmallBody> bodies, double julianDayUt);

SmallBodyPlace SmallBodyPlaceAt(const SmallBody& body, double julianDayUt);

// A body's places from `firstJulianDay` to `lastJulianDay` (UT) every
// `stepDays`, the last instant included when a step lands on it: the track
// a chart draws with date ticks. At most `maxPoints` points (the step is
// widened to keep within it); none for a step that is not above 0.
struct PathPoint {
    double JulianDay = 0.0;  // UT
    SmallBodyPlace Place;
};
std::vector<PathPoint> SmallBodyPath(const SmallBody& body, double firstJulianDay, double lastJulianDay,
                                     double stepDays, std::size_t maxPoints = 1000);

// Visual magnitude of a minor planet of absolute magnitude `h` and slope `g`
// (the H, G system) at r AU from the Sun, delta AU from the Earth and phase
// angle `phaseAngle` radians.
double MinorPlanetMagnitude(double h, double g, double r, double delta, double phaseAngle);

// Total visual magnitude of a comet: m1 + 5 log10(delta) + k1 log10(r).
double CometMagnitude(double m1, double k1, double r, double delta);

}  // namespace kolvar
