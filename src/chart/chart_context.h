#pragma once

#include "chart/chart_frame.h"
#include "chart/sky_object_table.h"
#include "chart/sky_phase.h"
#include "chart/sky_projection.h"

namespace kolvar {

// What the chart layers of one redraw read and write: the frame of this
// redraw and its projection, the observation instant and the table that
// receives every placed object. Stars and deep-sky objects fainter than
// FaintestMarkerClass are placed but not marked (the daylight view).
struct ChartContext {
    ChartContext(const ChartFrame& frame, double julianDay, SkyObjectTable& objects,
                 int faintestMarkerClass = AllMarkers)
        : Frame(frame),
          Projection(SkyProjection::Stereographic(frame)),
          JulianDay(julianDay),
          Objects(objects),
          FaintestMarkerClass(faintestMarkerClass) {}

    const ChartFrame& Frame;
    const SkyProjection Projection;
    double JulianDay;
    SkyObjectTable& Objects;
    int FaintestMarkerClass;
};

}  // namespace kolvar
