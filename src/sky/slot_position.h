#pragma once

#include "astro/rise_set.h"
#include "sky/observer_frame.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// Which observer frame a placement reads altitudes in: the chart's own, or
// the true (geodetic) one an almanac uses (ComputeTrueFrame).
enum class PlacementFrame { Chart, True };

// Where the scene of any instant would place one slot of the table, for one
// place on the Earth: the scene's own placement (catalogue position,
// proper motion, precession or the elements of the date, the observer frame),
// one slot at a time and without drawing; in the true frame, where an almanac
// would see it.
class SlotPlacer {
public:
    SlotPlacer(double longitude, double latitude, PlacementFrame frame = PlacementFrame::Chart);

    // The entry the scene of `julianDay` holds in `slot` (0 .. SkyObjectCount - 1).
    SkyObjectEntry Place(int slot, double julianDay);
    // The entry it would make for a fixed J2000 direction (radians), placed as deep-sky objects are.
    SkyObjectEntry PlaceDirection(double rightAscension, double declination, double julianDay);

private:
    ObserverFrame frame_;  // its sidereal angle is set for each instant
};

// How long a rising and setting search follows a slot: a day for the stars
// and deep-sky objects, whose events recur within a sidereal day, two for
// the Sun, the Moon and the planets (the Moon's day is near 25 hours).
double RiseSetWindowDays(int slot);

// The next rising, upper culmination and setting after `start` of a fixed
// direction of the sky (J2000 right ascension and declination, radians,
// precessed to each instant as the chart places deep-sky objects), followed
// for one day, in the true frame with standard refraction.
RiseTransitSet FixedDirectionRiseTransitSet(double longitude, double latitude, double rightAscension,
                                            double declination, double start);

// The entry the scene of `julianDay` would make for a fixed direction, of the
// given kind and index, without a slot.
SkyObjectEntry PlaceFixedDirection(const ObserverFrame& frame, std::uint8_t kind, int index,
                                   double rightAscension, double declination, double julianDay);

// The altitude of the centre at which an object rises and sets, as almanacs
// reckon it: 34' of refraction below the horizon, and for the Sun and the
// Moon the upper limb there, with the semidiameter from the entry's distance
// (the Moon's parallax is in its topocentric place).
double RiseSetAltitude(const SkyObjectEntry& entry);

// The next rising, upper culmination and setting of `slot` after `start`
// (Julian days, UT), found on the altitudes the placer gives (a placer in the
// true frame for the times an almanac gives). Stars and deep-sky objects are
// followed for one day, the Sun, the Moon and the planets for two, or up to
// the last day the elements give them a position (RangeEnd says so).
RiseTransitSet SlotRiseTransitSet(SlotPlacer& placer, int slot, double start);

}  // namespace kolvar
