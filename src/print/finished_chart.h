#pragma once

// The whole-sky chart as every view shows it, drawn by one function: the
// window, render and its series, identify and closeup all call it, and the
// benchmark times it. The redraw of the style the view asks for, the Moon's
// picture composed beside it, and in the night view both in the night palette.

#include "canvas/bitmap.h"
#include "chart/chart_frame.h"
#include "chart/moon_picture.h"
#include "chart/observer_state.h"
#include "chart/sky_object_table.h"
#include "chart/view_options.h"

namespace kolvar {

struct FinishedChart {
    Bitmap Chart;            // without the Moon's picture, which the window shows over it
    MoonPicture Moon;        // as composed, in the day's colours: what the close-up copies
    Bitmap ShownMoon;        // the Moon's picture as shown over the chart
    ChartFrame Frame;        // of this drawing
    SkyObjectTable Objects;  // placed by this drawing
};

// Draws `out` for the observer at width x height pixels with the layers and
// style of `view`. False, with nothing drawn, while the window is closing.
bool DrawFinishedChart(ObserverState& observer, int width, int height, const ViewOptions& view,
                       FinishedChart& out);

// The chart with the Moon's picture laid on it, as a file holds it.
void LayShownMoon(const FinishedChart& drawn, Bitmap& chart);

}  // namespace kolvar
