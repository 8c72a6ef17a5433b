#include "closeup/draw_close_up.h"

#include <cmath>

#include "astro/planets.h"
#include "astro/spherical_position.h"
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

// The field's deep stars and objects, placed as the chart places fixed
// directions (precession to the instant, the observer frame).
void DrawDeepField(Canvas& canvas, int width, int height, const CloseUpFrame& frame, const CloseUpSky& sky,
                   CloseUpDeep& deep) {
    const float limit = QueryCloseUpDeepField(width, height, frame, sky, deep);
    deep.Drawn = DrawDeepLayers(canvas, deep.Projection, deep.Field, width, height, {limit, true});
}

}  // namespace

float QueryCloseUpDeepField(int width, int height, const CloseUpFrame& frame, const CloseUpSky& sky,
                            CloseUpDeep& deep) {
    const double scale = CloseUpDiagonal(width, height) * frame.Zoom;
    deep.Projection = CloseUpDeepProjection(frame, sky, width, height);
    const double field = CloseUpFieldDegrees(width, height, frame.Zoom);
    const float limit = deep.MagnitudeLimit > 0.0f ? deep.MagnitudeLimit : FieldMagnitudeLimit(field);
    const auto centre = deep.Projection.Unproject(0.5 * width, 0.5 * height);
    const double radius = std::atan(0.5 * CloseUpDiagonal(width, height) / scale);
    const double years = (sky.JulianDay - 2451545.0) / 365.25;
    deep.Field = QueryDeepField(deep.Stars, {centre[0], centre[1], radius, limit, years});
    return limit;
}

DeepProjection CloseUpDeepProjection(const CloseUpFrame& frame, const CloseUpSky& sky, int width,
                                     int height) {
    const auto toHorizontal = [&sky](double ra, double dec) {
        const HorizontalPosition h =
            EquatorialToHorizontal(sky.Chart, ra, dec, InfinitelyFar, sky.JulianDay, Equinox::Catalogue);
        return HorizontalVector(h.Azimuth, h.Altitude);
    };
    const double scale = CloseUpDiagonal(width, height) * frame.Zoom;
    return MakeDeepProjection(toHorizontal, frame.U, frame.V, frame.W, width, height, scale);
}

double CloseUpHorizonRow(double altitude, int width, int height, double zoom) {
    const double yh = 0.5 * height + std::tan(altitude) * CloseUpDiagonal(width, height) * zoom;
    return yh < 0 ? 0 : yh;
}

void DrawCloseUpGround(Canvas& canvas, double viewAltitude, int width, int height, double zoom) {
    const double yh = CloseUpHorizonRow(viewAltitude, width, height, zoom);
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

double CloseUpFieldDegrees(int width, int height, double zoom) {
    return 2.0 * std::atan(0.5 * width / (CloseUpDiagonal(width, height) * zoom)) * 180.0 / 3.141592653589793;
}

double CloseUpZoomFor(double fieldDegrees, int width, int height) {
    return 0.5 * width /
           (CloseUpDiagonal(width, height) * std::tan(0.5 * fieldDegrees * 3.141592653589793 / 180.0));
}

SkyProjection DrawCloseUp(Canvas& canvas, int width, int height, const HorizontalPosition& view,
                          const CloseUpSky& sky, CloseUpDeep* deep) {
    CloseUpFrame frame = ComputeCloseUpFrame(view);
    const bool zoomed = deep != nullptr && deep->Zoom > 1.0;
    if (zoomed) frame.Zoom = deep->Zoom;
    const SkyProjection window = SkyProjection::Gnomonic(frame, width, height);
    if (width < 1 || height < 1) return window;

    canvas.SetPenColour(colours::Black);
    canvas.SetBrushColour(colours::Black);
    canvas.SetPenWidth(1);
    canvas.Rectangle(0, 0, width, height);

    DrawMilkyWayCloseUp(canvas, sky, window);
    if (zoomed) DrawDeepField(canvas, width, height, frame, sky, *deep);
    // Stars, then deep-sky objects.
    for (int slot = FirstStarSlot; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = sky.Objects[slot];
        if (MarkedUnder(e, sky.FaintestMarkerClass)) MarkObject(canvas, window, e);
    }
    MarkPlanets(canvas, sky, window, true);
    DrawCloseUpSun(canvas, sky, window);
    MarkPlanets(canvas, sky, window, false);
    DrawCloseUpMoon(canvas, sky, window);
    DrawCloseUpGround(canvas, view.Altitude, width, height, frame.Zoom);
    return window;
}

}  // namespace kolvar
