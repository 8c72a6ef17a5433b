#include "chart/solar_system_layer.h"

#include <array>
#include <cmath>
#include <utility>

#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "astro/transforms.h"
#include "chart/marker.h"
#include "chart/pixel_rules.h"
#include "sky/sky_object_table.h"

namespace kolvar {

namespace {

constexpr double QuarterPi = 0.7853981633974483;

// Filled ellipse between two corners given in any order.
void FilledDisc(Canvas& canvas, double x1, double y1, double x2, double y2) {
    int l = TruncToInt(x1), t = TruncToInt(y1), r = TruncToInt(x2), b = TruncToInt(y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    canvas.Ellipse(l, t, r, b);
}

}  // namespace

double ApparentDiscHalf(double bodyRadius, double distance, double altitude) {
    const double s = bodyRadius / distance;
    const double t1 = std::tan(QuarterPi - (altitude - s) * 0.5);
    const double t2 = std::tan(QuarterPi - (altitude + s) * 0.5);
    return std::abs(t2 - t1) * 0.5;
}

void DrawSun(Canvas& canvas, const ChartContext& ctx) {
    const SkyObjectEntry& slot = ctx.Objects[SunSlot];
    if (!slot.Visible) return;
    // The disc's size is reckoned from the geocentric distance.
    const double distance = ctx.Scene.SunMoon.SunEquatorial.Distance;
    const int radius =
        CeilToInt(ctx.Frame.ChartRadius * ApparentDiscHalf(SunRadiusAu, distance, slot.Altitude));
    canvas.SetPenColour(colours::Yellow);
    canvas.SetBrushColour(colours::Yellow);
    const ChartPoint c = ProjectToChart(ctx.Frame, slot.Azimuth, slot.Altitude);
    FilledDisc(canvas, static_cast<double>(c.X) - radius, static_cast<double>(c.Y) - radius,
               static_cast<double>(c.X) + radius, static_cast<double>(c.Y) + radius);
    DrawMarker(canvas, TruncToInt(c.X), TruncToInt(c.Y), KindSun, 0);
}

void DrawMoon(Canvas& canvas, const ChartContext& ctx) {
    const SkyObjectEntry& slot = ctx.Objects[MoonSlot];
    if (!slot.Visible) return;
    const SkyObjectEntry& sun = ctx.Objects[SunSlot];
    const double half = ApparentDiscHalf(MoonRadiusAu, slot.Distance, slot.Altitude);

    // Unit vectors (north, east, up) towards the Moon and the Sun; p is the
    // part of the Moon's direction square to the Sun's.
    const std::array<double, 3> mv = HorizontalVector(slot.Azimuth, slot.Altitude);
    const std::array<double, 3> uv = HorizontalVector(sun.Azimuth, sun.Altitude);
    const double c = mv[0] * uv[0] + mv[1] * uv[1] + mv[2] * uv[2];
    const double pNorth = mv[0] - c * uv[0];
    const double pEast = mv[1] - c * uv[1];

    const Colour first = c >= 0 ? colours::Yellow : MoonDarkColour;
    const Colour second = c >= 0 ? MoonDarkColour : colours::Yellow;

    canvas.SetPenColour(first);
    canvas.SetBrushColour(first);
    const float rho = static_cast<float>(ctx.Frame.ChartRadius * half);
    const ChartPoint at = ProjectToChart(ctx.Frame, slot.Azimuth, slot.Altitude);
    DrawMarker(canvas, TruncToInt(at.X), TruncToInt(at.Y), KindMoon, 0);
    FilledDisc(canvas, static_cast<double>(at.X) - rho, static_cast<double>(at.Y) - rho,
               static_cast<double>(at.X) + rho, static_cast<double>(at.Y) + rho);

    canvas.SetPenColour(second);
    canvas.SetBrushColour(second);
    const float rho2 = static_cast<float>(ctx.Frame.ChartRadius * half * c);
    // The phase disc is displaced by the north part of p along x and the east
    // part along y, as the chart has always shown it.
    const double ox = at.X - half * ctx.Frame.ChartRadius * pNorth;
    const double oy = at.Y - half * ctx.Frame.ChartRadius * pEast;
    FilledDisc(canvas, ox - rho2, oy - rho2, ox + rho2, oy + rho2);
}

void DrawPlanet(Canvas& canvas, const ChartContext& ctx, int planet) {
    MarkObject(canvas, ctx.Projection, ctx.Objects[FirstPlanetSlot + planet]);
}

}  // namespace kolvar
