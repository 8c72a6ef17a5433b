#include "chart/redraw.h"

#include "canvas/canvas.h"
#include "chart/draw_sky.h"
#include "chart/view_layers.h"

namespace kolvar {

ChartFrame RedrawChart(const SkyScene& scene, Bitmap& chart, int width, int height, MoonPicture& moon,
                       const ViewOptions& view) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    chart.Resize(width, height);
    chart.Fill(colours::Navy);
    // Which markers the daylight leaves out is known from the Sun's place.
    const int faintest = FaintestMarkerClassFor(view, scene.Objects[SunSlot].Altitude);
    const ChartContext ctx(ComputeChartGeometry(width, height), scene, faintest);
    Canvas canvas(chart);
    DrawSky(canvas, ctx);
    moon = ComposeMoonPicture(ctx.Frame, scene.MoonPhase, LightMoonPicture(), DarkMoonPicture());
    if (view.AddsAnything())
        DrawViewLayers(chart, ctx.Projection, ViewSky{ctx.Frame, scene.JulianDay, scene.Objects}, view);
    return ctx.Frame;
}

}  // namespace kolvar
