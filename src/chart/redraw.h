#pragma once

#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/moon_picture.h"
#include "chart/observer_state.h"
#include "chart/sky_object_table.h"
#include "chart/view_options.h"

namespace kolvar {

// One redraw of the whole chart, as the main window runs it on every resize
// and after the time and place dialogs, and as the command-line renderer
// runs it: sizes `chart` to width x height and fills it navy, sets the
// observer's SiderealAngle, computes `frame`, paints every layer (filling
// `objects`) and composes `moon`; then the layers and views that `view` turns
// on (the daylight view also leaves faint markers out). The night view is left
// to whoever shows the chart: it maps the finished picture with the Moon
// picture laid over it. Returns false and touches nothing once the
// observer's ClosingFlag is set.
bool RedrawChart(ObserverState& observer, Bitmap& chart, int width, int height, ChartFrame& frame,
                 SkyObjectTable& objects, MoonPicture& moon, const ViewOptions& view = {});

}  // namespace kolvar
