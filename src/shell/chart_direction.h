#pragma once

// From a direction of the chart back to the catalogue's frame: what a click
// on the chart or the close-up points the telescope at. No Qt.

#include "astro/apparent_place.h"
#include "chart/chart_frame.h"

namespace kolvar {

// The J2000 right ascension and declination that the chart of `frame` (its
// sidereal angle that of `julianDay`) shows at `direction`: the inverse of
// placing an infinitely far catalogue object there, the chart's own
// precession undone.
EquatorialPlace CatalogueDirectionOf(const ChartFrame& frame, const HorizontalPosition& direction,
                                     double julianDay);

}  // namespace kolvar
