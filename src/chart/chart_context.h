#pragma once

#include "chart/chart_frame.h"
#include "chart/sky_object_table.h"

namespace kolvar {

// What the chart layers of one redraw read and write: the frame of this
// redraw, the observation instant and the table that receives every placed
// object.
struct ChartContext {
    const ChartFrame& Frame;
    double JulianDay;
    SkyObjectTable& Objects;
};

}  // namespace kolvar
