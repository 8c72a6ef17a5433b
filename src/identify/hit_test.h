#pragma once

#include <functional>

#include "chart/chart_frame.h"
#include "chart/sky_object_table.h"

namespace kolvar {

// A projection from the horizon (azimuth, altitude in radians) to the float
// pixel of the picture that was clicked.
using SkyProjection = std::function<ChartPoint(double azimuth, double altitude)>;

// The slot of the visible entry whose projected pixel lies nearest to (x, y),
// by squared distance; no distance limit. Ties go to the lower slot (Sun,
// Moon, planets, stars, deep-sky objects). With nothing visible, slot 0 (the
// Sun), visible or not.
int NearestVisibleSlot(const SkyObjectTable& objects, int x, int y, const SkyProjection& project);

// The slot, and a copy of the entry, that a click at chart pixel (x, y) names
// on the main chart, as the last redraw placed it under `frame`.
int HitTestChartSlot(const SkyObjectTable& objects, const ChartFrame& frame, int x, int y);
SkyObjectEntry HitTestChart(const SkyObjectTable& objects, const ChartFrame& frame, int x, int y);

// The same search for a click in the close-up window: `project` is that
// window's projection for its size and view centre; directions it cannot
// show should land far outside the window.
SkyObjectEntry HitTestCloseUp(const SkyObjectTable& objects, int x, int y, const SkyProjection& project);

}  // namespace kolvar
