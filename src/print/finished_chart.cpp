#include "print/finished_chart.h"

#include "canvas/canvas.h"
#include "chart/sky_phase.h"
#include "closeup/field_circles.h"
#include "print/smooth_chart.h"

namespace kolvar {

void DrawFinishedChart(const SkyScene& scene, int width, int height, const ViewOptions& view,
                       FinishedChart& out) {
    out.Frame = RedrawStyledChart(scene, out.Chart, width, height, out.Moon, view);
    out.ShownMoon = out.Moon.Picture;
    if (view.Night) {
        MapToNightPalette(out.Chart);
        MapToNightPalette(out.ShownMoon);
    }
}

void LayShownMoon(const FinishedChart& drawn, Bitmap& chart) {
    MoonPicture shown = drawn.Moon;
    shown.Picture = drawn.ShownMoon;
    LayMoonPicture(chart, shown);
}

SkyProjection DrawFinishedCloseUp(Bitmap& picture, int width, int height, const HorizontalPosition& view,
                                  const CloseUpSky& sky, CloseUpDeep* deep, const ViewOptions& options,
                                  double zoom, std::span<const double> circles) {
    const SkyProjection window = DrawStyledCloseUp(picture, width, height, view, sky, deep, options);
    if (!circles.empty()) {
        Canvas canvas(picture);
        DrawFieldCircles(canvas, width, height, zoom, circles);
    }
    if (options.Night) MapToNightPalette(picture);
    return window;
}

}  // namespace kolvar
