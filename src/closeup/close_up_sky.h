#pragma once

#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/sky_phase.h"
#include "chart/sky_projection.h"
#include "closeup/sky_directions.h"
#include "sky/sky_object_table.h"

namespace kolvar {

// What the close-up draws from: the main chart's last redraw. The close-up is
// modal over the main window, so these do not change while it is open.
struct CloseUpSky {
    const ChartFrame& Chart;               // observer frame of the redraw
    double JulianDay;                      // its instant
    const SkyObjectTable& Objects;         // every object as it placed it
    const Bitmap& MoonPicture;             // the 105 x 105 Moon phase picture
    const MilkyWayDirections& MilkyWay;    // its Milky Way lists, turned once for all drawings
    int FaintestMarkerClass = AllMarkers;  // fainter stars and deep-sky objects are not marked (daylight)
};

}  // namespace kolvar
