#pragma once

// Rising and setting over a local horizon for find and the object window:
// the times of the true horizon (chart/slot_position.h), with the rising and
// setting moved to where the object comes out from behind the skyline and
// goes behind it again. The skyline is read through its own refraction, and
// the Sun and the Moon rise and set by their upper limb on it, as on the
// true horizon.

#include "astro/rise_set.h"
#include "plan/local_horizon.h"
#include "sky/slot_position.h"

namespace kolvar {

// The next rising, culmination and setting of a slot of the object table
// after `start` (Julian day, UT); over `skyline` when one is given, else as
// SlotRiseTransitSet gives them.
RiseTransitSet SlotTimesOverSkyline(SlotPlacer& placer, int slot, double start, const LocalHorizon* skyline);

// The same for a fixed J2000 direction (radians) at a place (radians, east
// and north), as FixedDirectionRiseTransitSet.
RiseTransitSet DirectionTimesOverSkyline(double longitude, double latitude, double rightAscension,
                                         double declination, double start, const LocalHorizon* skyline);

}  // namespace kolvar
