#pragma once

// The mount's coordinates and the program's frames. A mount takes and
// reports right ascension and declination of date (the true equator and
// equinox, in hours and degrees); the catalogues are J2000 and the chart
// places a J2000 direction through its own precession. The transforms are
// ERFA's (astro/apparent_place).

#include <optional>

#include "astro/apparent_place.h"
#include "chart/chart_frame.h"

namespace kolvar {

// A place the mount reported, checked: nothing when either number is not
// finite, the right ascension is beyond +-1e6 hours or the declination
// beyond 90 degrees by more than a rounding (0.001 degree). The right
// ascension is reduced to 0..24 h, a declination just past a pole clamped.
std::optional<EquatorialPlace> PlaceFromMount(double rightAscensionHours, double declinationDegrees);

// The numbers EQUATORIAL_EOD_COORD takes for a place of date.
struct MountNumbers {
    double RightAscensionHours = 0.0;  // 0..24
    double DeclinationDegrees = 0.0;   // -90..90
};
MountNumbers NumbersForMount(const EquatorialPlace& ofDate);

// The place of date to send for a catalogue place at an instant (Julian day, UT).
EquatorialPlace MountPlaceOf(const CataloguePlace& j2000, double julianDayUt);

// The J2000 direction of a place the mount reported at an instant.
EquatorialPlace J2000OfMountPlace(const EquatorialPlace& ofDate, double julianDayUt);

// Where the chart of `frame` (its sidereal angle that of `julianDayUt`) shows
// a place the mount reported: the direction as the chart places a catalogue
// object there, so a mount on an object stands on its marker.
HorizontalPosition ChartDirectionOfMount(const ChartFrame& frame, const EquatorialPlace& ofDate,
                                         double julianDayUt);

// The angle between two directions, radians.
double Separation(const EquatorialPlace& a, const EquatorialPlace& b);

}  // namespace kolvar
