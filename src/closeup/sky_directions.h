#pragma once

#include <vector>

#include "chart/chart_frame.h"

namespace kolvar {

// Every turn of an equatorial position to the observer's horizon that the
// close-up makes itself lives here (its objects come already placed in the
// main chart's table).

// The Milky Way lists (outline, fill seeds, lanes: catalogue directions,
// equinox 2000, infinitely far) turned to the horizon at the main chart's
// last redraw, one direction per list entry at the same index. They depend
// only on that redraw, not on the close-up's view, so a window keeps them for
// all the drawings it makes from one redraw.
struct MilkyWayDirections {
    std::vector<HorizontalPosition> Outline;
    std::vector<HorizontalPosition> Seeds;
    std::vector<HorizontalPosition> Lanes;
};

MilkyWayDirections MilkyWayDirectionsAt(const ChartFrame& chart, double julianDay);

// The direction of the ecliptic north pole, which turns the Moon picture.
HorizontalPosition EclipticNorthDirection(const ChartFrame& chart, double julianDay);

}  // namespace kolvar
