#pragma once

#include "canvas/canvas.h"
#include "chart/chart_context.h"

namespace kolvar {

// Where the chart places a star or deep-sky object of the catalogue for the
// frame at `julianDay` (UT): proper motion and precession to the date.
SkyObjectEntry PlaceStar(const ObserverFrame& frame, double julianDay, int star);
SkyObjectEntry PlaceDeepSkyObject(const ObserverFrame& frame, double julianDay, int object);

// Mark the placed object when it is above the horizon.
void DrawStar(Canvas& canvas, const ChartContext& ctx, int star);
void DrawDeepSkyObject(Canvas& canvas, const ChartContext& ctx, int object);

}  // namespace kolvar
