#include "closeup/draw_close_up.h"

#include <cmath>

#include "astro/planets.h"
#include "chart/marker.h"
#include "chart/pixel_rules.h"
#include "closeup/close_up_bodies.h"
#include "closeup/milky_way_close_up.h"

namespace kolvar {

namespace {

// Planets on the far (farther than the Sun) or near side.
void MarkPlanets(Canvas& canvas, const CloseUpSky& sky, const SkyProjection& window, bool farSide) {
    const double sun = sky.Objects[SunSlot].Distance;
    for (int i = 0; i < PlanetCount; ++i) {
        const SkyObjectEntry& e = sky.Objects[FirstPlanetSlot + i];
        if ((e.Distance >= sun) == farSide) MarkObject(canvas, window, e);
    }
}

}  // namespace

double CloseUpHorizonRow(double altitude, int width, int height) {
    const double yh = 0.5 * height + std::tan(altitude) * CloseUpDiagonal(width, height);
    return yh < 0 ? 0 : yh;
}

void DrawCloseUpGround(Canvas& canvas, double viewAltitude, int width, int height) {
    const double yh = CloseUpHorizonRow(viewAltitude, width, height);
    if (!(yh <= height - 1)) return;
    const int row = TruncToInt(yh);
    canvas.SetPenColour(GroundColour);
    canvas.SetBrushColour(GroundColour);
    canvas.SetPenWidth(2);
    canvas.Rectangle(0, row, width, height);
    canvas.SetPenColour(CloseUpHorizonColour);
    canvas.MoveTo(0, row);
    canvas.LineTo(width, row);
    canvas.SetPenWidth(1);
}

SkyProjection DrawCloseUp(Canvas& canvas, int width, int height, const HorizontalPosition& view,
                          const CloseUpSky& sky) {
    const SkyProjection window = SkyProjection::Gnomonic(ComputeCloseUpFrame(view), width, height);
    if (width < 1 || height < 1) return window;

    canvas.SetPenColour(colours::Black);
    canvas.SetBrushColour(colours::Black);
    canvas.SetPenWidth(1);
    canvas.Rectangle(0, 0, width, height);

    DrawMilkyWayCloseUp(canvas, sky, window);
    // Stars, then deep-sky objects.
    for (int slot = FirstStarSlot; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = sky.Objects[slot];
        if (MarkedUnder(e, sky.FaintestMarkerClass)) MarkObject(canvas, window, e);
    }
    MarkPlanets(canvas, sky, window, true);
    DrawCloseUpSun(canvas, sky, window);
    MarkPlanets(canvas, sky, window, false);
    DrawCloseUpMoon(canvas, sky, window);
    DrawCloseUpGround(canvas, view.Altitude, width, height);
    return window;
}

}  // namespace kolvar
