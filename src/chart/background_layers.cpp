#include "chart/background_layers.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/planets.h"
#include "astro/transforms.h"
#include "chart/pixel_rules.h"

namespace kolvar {

namespace {

constexpr Colour EclipticColour = colours::Yellow;
constexpr Colour CrossColour = colours::Green;
constexpr Colour RimColour = colours::Cyan;

// Whether a circle line (pen up to `pen` pixels wide) passes over any pixel of
// the w x h raster. A circle that misses it leaves it as it was: its inside is
// filled navy, and the ecliptic is the first layer on the navy background.
bool RingTouchesRaster(const ChartCircle& c, int w, int h, double pen) {
    const double nearX = std::clamp(c.CentreX, 0.0, static_cast<double>(w));
    const double nearY = std::clamp(c.CentreY, 0.0, static_cast<double>(h));
    const double nearest = std::hypot(c.CentreX - nearX, c.CentreY - nearY);
    const double farX = std::max(std::abs(c.CentreX), std::abs(c.CentreX - w));
    const double farY = std::max(std::abs(c.CentreY), std::abs(c.CentreY - h));
    const double farthest = std::hypot(farX, farY);
    return nearest <= c.Radius + pen && farthest >= c.Radius - pen;
}

}  // namespace

std::optional<ChartCircle> CircleThroughPoints(double x1, double y1, double x2, double y2, double x3,
                                               double y3) {
    const double s1 = x1 * x1 + y1 * y1;
    const double s2 = x2 * x2 + y2 * y2;
    const double s3 = x3 * x3 + y3 * y3;
    const double detX = (x1 * y2 - y1 * x2) + (x2 * y3 - y2 * x3) + (y1 * x3 - y3 * x1);
    const double detY = (y1 * x2 - x1 * y2) + (y2 * x3 - x2 * y3) + (x1 * y3 - x3 * y1);
    if (detX == 0.0 || detY == 0.0) return std::nullopt;
    ChartCircle c;
    c.CentreX = 0.5 * ((s1 - s3) * y2 + (s2 - s1) * y3 + (s3 - s2) * y1) / detX;
    c.CentreY = 0.5 * ((s1 - s3) * x2 + (s2 - s1) * x3 + (s3 - s2) * x1) / detY;
    c.Radius = std::hypot(x1 - c.CentreX, y1 - c.CentreY);
    if (!std::isfinite(c.CentreX) || !std::isfinite(c.CentreY) || !std::isfinite(c.Radius))
        return std::nullopt;
    return c;
}

std::optional<ChartCircle> EclipticCircle(const ChartContext& ctx) {
    const double third = TropicalYearDays * (1.0 / 3.0);
    const double moments[3] = {ctx.JulianDay, ctx.JulianDay - third, ctx.JulianDay + third};
    double x[3], y[3];
    for (int k = 0; k < 3; ++k) {
        const SphericalPosition earth = OrbitPositionAt(PlanetInfoTable[0], moments[k]);
        // The Earth's orbit runs with the date (its period is the tropical
        // year), so the Sun seen from it is a position of the date.
        const SphericalPosition sun = HeliocentricToEquatorial(SphericalPosition{}, earth);
        const HorizontalPosition h = EquatorialToHorizontal(ctx.Frame, sun.Longitude, sun.Latitude,
                                                            sun.Distance, ctx.JulianDay, Equinox::OfDate);
        const ChartPoint p = ProjectToChart(ctx.Frame, h.Azimuth, h.Altitude);
        x[k] = p.X;
        y[k] = p.Y;
    }
    return CircleThroughPoints(x[0], y[0], x[1], y[1], x[2], y[2]);
}

void DrawEclipticCircle(Canvas& canvas, const ChartContext& ctx) {
    const std::optional<ChartCircle> c = EclipticCircle(ctx);
    if (!c) return;  // points on one line: the ecliptic runs through the nadir
    const Bitmap& target = canvas.Target();
    if (!RingTouchesRaster(*c, target.Width(), target.Height(), 2.0)) return;
    canvas.SetPenColour(EclipticColour);
    canvas.SetPenWidth(2);
    canvas.SetBrushColour(colours::Navy);
    canvas.Ellipse(TruncToInt(c->CentreX - c->Radius), TruncToInt(c->CentreY - c->Radius),
                   TruncToInt(c->CentreX + c->Radius), TruncToInt(c->CentreY + c->Radius));
    canvas.SetPenWidth(1);
}

void DrawCardinalCross(Canvas& canvas, const ChartFrame& frame) {
    canvas.SetPenColour(CrossColour);
    canvas.SetPenWidth(2);
    canvas.MoveTo(0, frame.CentreY);
    canvas.LineTo(frame.ChartWidth - 1, frame.CentreY);
    canvas.MoveTo(frame.CentreX, 0);
    canvas.LineTo(frame.CentreX, frame.ChartHeight - 1);
    canvas.SetPenWidth(1);
}

void DrawHorizonDisc(Canvas& canvas, const ChartFrame& frame) {
    const int b = frame.ChartRadius + 5;
    canvas.SetPenColour(RimColour);
    canvas.SetPenWidth(2);
    canvas.SetBrushColour(colours::Black);
    canvas.Ellipse(frame.CentreX - b, frame.CentreY - b, frame.CentreX + b, frame.CentreY + b);
    canvas.SetPenWidth(1);
}

}  // namespace kolvar
