#pragma once

#include "chart/chart_frame.h"

namespace kolvar {

// Every turn of an equatorial position to the observer's horizon that the
// close-up makes itself lives here (its objects come already placed in the
// main chart's table).

// A catalogue direction (equinox 2000, infinitely far), as the Milky Way
// lists give them, at the main chart's last redraw.
HorizontalPosition CatalogueDirection(const ChartFrame& chart, double rightAscension, double declination,
                                      double julianDay);

// The direction of the ecliptic north pole, which turns the Moon picture.
HorizontalPosition EclipticNorthDirection(const ChartFrame& chart, double julianDay);

}  // namespace kolvar
