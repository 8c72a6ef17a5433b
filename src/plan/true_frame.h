#pragma once

// The observer's true (geodetic) frame over one night: altitudes and azimuths
// of apparent places of date as an almanac gives them (no refraction), and
// the topocentric places of the Sun, the Moon and the planets. The sidereal
// time is taken from ERFA once and run on at the sidereal rate, which stays
// within a few milliseconds of it over a couple of days.

#include "astro/angles.h"
#include "astro/apparent_place.h"

namespace kolvar {

// Radians of the Earth's turn per day of Universal Time, against the equinox.
inline constexpr double SiderealRadiansPerDay = TwoPi * 1.002737909350795;

// An apparent place of date seen from the observer: where, and how far.
struct BodyPlace {
    EquatorialPlace Place;  // topocentric, true equator and equinox of date
    double Distance = 0.0;  // AU from the observer
};

class TrueFrame {
public:
    TrueFrame(const GeodeticPlace& site, double referenceJulianDay);

    const GeodeticPlace& Site() const { return site_; }

    // Local apparent sidereal time, radians (not reduced).
    double LocalSiderealAngle(double julianDay) const {
        return siderealAtReference_ + site_.Longitude + SiderealRadiansPerDay * (julianDay - reference_);
    }

    // Altitude and azimuth of an apparent place of date at an instant.
    ObservedDirection Observe(const EquatorialPlace& apparent, double julianDay) const;

    // The Sun, the Moon or a planet by its slot of the object table (0 Sun,
    // 1 Moon, 2..8 Mercury..Neptune), from the program's own theories of the
    // date, made topocentric.
    BodyPlace Body(int slot, double julianDay) const;

private:
    GeodeticPlace site_;
    double reference_ = 0.0;
    double siderealAtReference_ = 0.0;
    double siteAxial_ = 0.0;  // the observer's distance from the Earth's axis, AU
    double siteNorth_ = 0.0;  // and from the equator's plane
    double siteAngle_ = 0.0;  // right ascension of the observer at the reference instant
};

// Hour angle reduced to -pi..pi.
double ReducedAngle(double angle);

// Angular distance of two places (radians).
double AngularDistance(const EquatorialPlace& a, const EquatorialPlace& b);

}  // namespace kolvar
