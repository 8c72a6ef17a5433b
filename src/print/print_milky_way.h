#pragma once

// The Milky Way on paper: a light grey area with its dark holes, filled with
// the even-odd rule from the outline rings and clipped to the horizon circle.
// Only the parts of a ring above the horizon are projected; where a ring dips
// below, the stretch is replaced by the horizon arc that turns the same way
// around the chart by the same angle, which changes nothing inside the circle
// and keeps far points near the nadir (which the projection sends towards
// infinity) off the page. Whether the area is the even-odd area or its
// complement depends on whether the nadir lies in the band; that is decided
// on the sphere, by counting where the great circle from a fill seed (inside
// the band by construction) to the nadir crosses the outlines.

#include <vector>

#include "chart/chart_frame.h"
#include "print/ink.h"

namespace kolvar {

struct MilkyWayArea {
    std::vector<std::vector<PagePoint>> Rings;  // closed polygons in chart points
    bool Inverted = false;  // the horizon circle is among the rings to turn the area inside out
};

MilkyWayArea MilkyWayAreaOf(const ChartFrame& frame, double julianDay);

// Whether a chart point inside the horizon circle lies in the area (the
// even-odd rule over its rings).
bool InMilkyWayArea(const MilkyWayArea& area, PagePoint p);

void DrawMilkyWayArea(Ink& ink, const ChartFrame& frame, const MilkyWayArea& area, double grey);

}  // namespace kolvar
