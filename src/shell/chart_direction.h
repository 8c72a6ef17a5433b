#pragma once

// From a direction of the chart back to the catalogue's frame: what a click
// on the chart or the close-up points the telescope at. No Qt.

#include "astro/apparent_place.h"
#include "chart/chart_frame.h"
#include "sky/sky_object_table.h"
#include "telescope/telescope_target.h"

namespace kolvar {

// The J2000 right ascension and declination that the chart of `frame` (its
// sidereal angle that of `julianDay`) shows at `direction`: the inverse of
// placing an infinitely far catalogue object there, the chart's own
// precession undone.
EquatorialPlace CatalogueDirectionOf(const ChartFrame& frame, const HorizontalPosition& direction,
                                     double julianDay);

// Where the chart places a target: an object of the table where its last
// redraw (`objects`) put it, a bare direction or an object the chart lacks
// by its J2000 place at `julianDay`.
HorizontalPosition ChartDirectionOf(const TelescopeTarget& target, const ChartFrame& frame,
                                    const SkyObjectTable& objects, double julianDay);

}  // namespace kolvar
