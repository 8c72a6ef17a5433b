#pragma once

#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/moon_picture.h"
#include "chart/view_options.h"
#include "sky/sky_scene.h"

namespace kolvar {

// One redraw of the whole chart, as the main window runs it on every resize
// and after the time and place dialogs, and as the command-line renderer
// runs it: sizes `chart` to width x height and fills it navy, paints every
// layer of the scene and composes `moon`; then the layers and views that
// `view` turns on (the daylight view also leaves faint markers out). The
// night view is left to whoever shows the chart: it maps the finished
// picture with the Moon picture laid over it. Returns the frame drawn with:
// the chart's geometry on the scene's observer frame.
ChartFrame RedrawChart(const SkyScene& scene, Bitmap& chart, int width, int height, MoonPicture& moon,
                       const ViewOptions& view = {});

}  // namespace kolvar
