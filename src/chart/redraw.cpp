#include "chart/redraw.h"

#include "astro/time_scales.h"
#include "canvas/canvas.h"
#include "chart/draw_sky.h"

namespace kolvar {

bool RedrawChart(ObserverState& observer, Bitmap& chart, int width, int height, ChartFrame& frame,
                 SkyObjectTable& objects, MoonPicture& moon) {
    if (observer.ClosingFlag) return false;
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    chart.Resize(width, height);
    chart.Fill(colours::Navy);
    observer.SiderealAngle = GreenwichSiderealAngle(observer.JulianDay);
    frame = ComputeChartFrame(width, height, observer);
    Canvas canvas(chart);
    const ChartContext ctx{frame, observer.JulianDay, objects};
    const double phase = DrawSky(canvas, ctx);
    moon = ComposeMoonPicture(frame, phase, LightMoonPicture(), DarkMoonPicture());
    return true;
}

}  // namespace kolvar
