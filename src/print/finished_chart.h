#pragma once

// The finished pictures, each drawn by one function that the window and the
// command line both call (and the benchmarks time): the whole-sky chart (the
// redraw of the style the view asks for, the Moon's picture composed beside
// it, in the night view both in the night palette) and the close-up.

#include <span>

#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/moon_picture.h"
#include "chart/view_options.h"
#include "closeup/close_up_sky.h"
#include "closeup/draw_close_up.h"
#include "sky/sky_scene.h"

namespace kolvar {

// The pictures of one drawing.
struct FinishedChart {
    ChartFrame Frame;  // the geometry drawn, on the scene's observer frame
    Bitmap Chart;      // without the Moon's picture, which the window shows over it
    MoonPicture Moon;  // as composed, in the day's colours: what the close-up copies
    Bitmap ShownMoon;  // the Moon's picture as shown over the chart
};

// Draws `out` from the scene at width x height pixels with the layers and
// style of `view`.
void DrawFinishedChart(const SkyScene& scene, int width, int height, const ViewOptions& view,
                       FinishedChart& out);

// The chart with the Moon's picture laid on it, as a file holds it.
void LayShownMoon(const FinishedChart& drawn, Bitmap& chart);

// The close-up of `view` over the whole width x height `picture` as the
// close-up window shows it: in the style of `options` with its layers, the
// eyepiece circles (diameters in degrees, at `zoom`) and the night palette.
// Returns the projection drawn through.
SkyProjection DrawFinishedCloseUp(Bitmap& picture, int width, int height, const HorizontalPosition& view,
                                  const CloseUpSky& sky, CloseUpDeep* deep, const ViewOptions& options,
                                  double zoom, std::span<const double> circles);

}  // namespace kolvar
