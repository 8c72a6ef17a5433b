#include "chart/redraw.h"

#include "astro/sun_moon.h"
#include "astro/time_scales.h"
#include "canvas/canvas.h"
#include "chart/draw_sky.h"
#include "chart/solar_system_layer.h"
#include "chart/view_layers.h"

namespace kolvar {

bool RedrawChart(ObserverState& observer, Bitmap& chart, int width, int height, ChartFrame& frame,
                 SkyObjectTable& objects, MoonPicture& moon, const ViewOptions& view) {
    if (observer.ClosingFlag) return false;
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    chart.Resize(width, height);
    chart.Fill(colours::Navy);
    observer.SiderealAngle = GreenwichSiderealAngle(observer.JulianDay);
    frame = ComputeChartFrame(width, height, observer);
    Canvas canvas(chart);
    int faintest = AllMarkers;
    if (view.Daylight) {
        // Which markers the daylight leaves out is known from the Sun before any is drawn.
        const HorizontalPosition sun = PlaceSun(ChartContext{frame, observer.JulianDay, objects},
                                                SunMoonState(observer.JulianDay).SunEquatorial);
        faintest = FaintestMarkerClassFor(view, sun.Altitude);
    }
    const ChartContext ctx{frame, observer.JulianDay, objects, faintest};
    const double phase = DrawSky(canvas, ctx);
    moon = ComposeMoonPicture(frame, phase, LightMoonPicture(), DarkMoonPicture());
    if (view.AddsAnything())
        DrawViewLayers(chart, ctx.Projection, ViewSky{frame, observer.JulianDay, objects}, view);
    return true;
}

}  // namespace kolvar
