#include "print/finished_chart.h"

#include "chart/sky_phase.h"
#include "print/smooth_chart.h"

namespace kolvar {

bool DrawFinishedChart(ObserverState& observer, int width, int height, const ViewOptions& view,
                       FinishedChart& out) {
    if (!RedrawStyledChart(observer, out.Chart, width, height, out.Frame, out.Objects, out.Moon, view))
        return false;
    out.ShownMoon = out.Moon.Picture;
    if (view.Night) {
        MapToNightPalette(out.Chart);
        MapToNightPalette(out.ShownMoon);
    }
    return true;
}

void LayShownMoon(const FinishedChart& drawn, Bitmap& chart) {
    MoonPicture shown = drawn.Moon;
    shown.Picture = drawn.ShownMoon;
    LayMoonPicture(chart, shown);
}

}  // namespace kolvar
