#pragma once

#include <memory>

#include "astro/rise_set.h"
#include "chart/chart_frame.h"
#include "chart/sky_object_table.h"

namespace kolvar {

// Where a redraw at any instant would place one slot of the table, for one
// place on the Earth: the chart layers' own placement (catalogue position,
// proper motion, precession or the elements of the date, the observer frame),
// one slot at a time and without drawing.
class SlotPlacer {
public:
    SlotPlacer(double longitude, double latitude);

    // The entry a redraw at `julianDay` writes into `slot` (0 .. SkyObjectCount - 1).
    SkyObjectEntry Place(int slot, double julianDay);

private:
    ChartFrame frame_;
    std::unique_ptr<SkyObjectTable> scratch_;  // the layers write whole slots of a table
};

// The next rising, upper culmination and setting after `start` of a fixed
// direction of the sky (J2000 right ascension and declination, radians,
// precessed to each instant as the chart places deep-sky objects), followed
// for one day, at the horizon.
RiseTransitSet FixedDirectionRiseTransitSet(double longitude, double latitude, double rightAscension,
                                            double declination, double start);

// The entry a redraw at `julianDay` would make for a fixed direction, of the
// given kind and index, without a slot.
SkyObjectEntry PlaceFixedDirection(const ChartFrame& frame, std::uint8_t kind, int index,
                                   double rightAscension, double declination, double julianDay);

// The altitude of the centre at which an object rises and sets: the horizon
// for stars, deep-sky objects and planets; for the Sun and the Moon the upper
// limb touching the horizon through 34' of refraction, with the semidiameter
// from the entry's distance.
double RiseSetAltitude(const SkyObjectEntry& entry);

// The next rising, upper culmination and setting of `slot` after `start`
// (Julian days, UT), found on the altitudes the placer gives. Stars and
// deep-sky objects are followed for one day, the Sun, the Moon and the
// planets for two.
RiseTransitSet SlotRiseTransitSet(SlotPlacer& placer, int slot, double start);

}  // namespace kolvar
