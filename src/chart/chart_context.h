#pragma once

#include "chart/chart_frame.h"
#include "chart/sky_phase.h"
#include "chart/sky_projection.h"
#include "sky/sky_object_table.h"
#include "sky/sky_scene.h"

namespace kolvar {

// What the chart layers of one redraw read: the frame of this redraw (its
// geometry on the scene's observer frame) and its projection, and the scene
// they draw, whose objects are all placed already. Stars and deep-sky objects
// fainter than FaintestMarkerClass are not marked (the daylight view).
struct ChartContext {
    ChartContext(const ChartGeometry& geometry, const SkyScene& scene, int faintestMarkerClass = AllMarkers)
        : Frame(FrameOnChart(geometry, scene.Frame)),
          Projection(SkyProjection::Stereographic(Frame)),
          Scene(scene),
          JulianDay(scene.JulianDay),
          Objects(scene.Objects),
          FaintestMarkerClass(faintestMarkerClass) {}

    const ChartFrame Frame;
    const SkyProjection Projection;
    const SkyScene& Scene;
    double JulianDay;
    const SkyObjectTable& Objects;
    int FaintestMarkerClass;
};

}  // namespace kolvar
