#pragma once

#include "chart/chart_frame.h"
#include "chart/sky_object_table.h"
#include "chart/sky_projection.h"

namespace kolvar {

// What the chart layers of one redraw read and write: the frame of this
// redraw and its projection, the observation instant and the table that
// receives every placed object.
struct ChartContext {
    ChartContext(const ChartFrame& frame, double julianDay, SkyObjectTable& objects)
        : Frame(frame), Projection(SkyProjection::Stereographic(frame)), JulianDay(julianDay), Objects(objects) {}

    const ChartFrame& Frame;
    const SkyProjection Projection;
    double JulianDay;
    SkyObjectTable& Objects;
};

}  // namespace kolvar
