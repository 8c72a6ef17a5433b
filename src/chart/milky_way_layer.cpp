#include "chart/milky_way_layer.h"

#include <algorithm>
#include <cstdint>

#include "astro/angles.h"
#include "astro/spherical_position.h"
#include "catalog/milky_way.h"
#include "chart/pixel_rules.h"
#include "chart/polyline_walk.h"

namespace kolvar {

namespace {

// The chart turns every Milky Way point to the horizon as the walk reaches it.
auto CatalogueDirection(const ChartContext& ctx) {
    return [&ctx](const auto& point) {
        return EquatorialToHorizontal(ctx.Frame, point.RightAscension, point.Declination, InfinitelyFar,
                                      ctx.JulianDay, Equinox::Catalogue);
    };
}

void WholeCircle(Canvas& canvas, const ChartFrame& frame, int b) {
    const int cx = frame.CentreX, cy = frame.CentreY;
    canvas.Arc(cx - b, cy - b, cx + b, cy + b, cx + b, cy, cx + b, cy);
    canvas.Arc(cx - b, cy - b, cx + b, cy + b, cx, cy + b, cx, cy + b);
}

}  // namespace

void DrawMilkyWayOutline(Canvas& canvas, const ChartContext& ctx, std::vector<HorizonCrossingRecord>& crossings) {
    canvas.SetPenColour(MilkyWayOutlineColour);
    canvas.SetPenWidth(2);
    const auto tickAndRecord = [&](ChartPoint c, ChartPoint here, char direction) {
        const ChartPoint t = PointBeyondHorizon(ctx.Frame, c, 5);
        if (direction == 'o') {
            MoveTo(canvas, t);
            LineTo(canvas, c);
            MoveTo(canvas, c);
            LineTo(canvas, t);
        } else {
            MoveTo(canvas, c);
            LineTo(canvas, t);
            MoveTo(canvas, t);
            LineTo(canvas, c);
            MoveTo(canvas, c);
            LineTo(canvas, here);
        }
        crossings.push_back({c.X, c.Y, ChartToHorizontal(ctx.Frame, c.X, c.Y).Azimuth, direction});
    };
    WalkPolyline(
        canvas, ctx.Projection, MilkyWayOutline, CatalogueDirection(ctx), [](ChartPoint c) { return c; },
        tickAndRecord);
    canvas.SetPenWidth(1);
}

std::vector<ChartPoint> HorizonFillPoints(const ChartFrame& frame, std::vector<HorizonCrossingRecord>& crossings) {
    std::stable_sort(crossings.begin(), crossings.end(),
                     [](const HorizonCrossingRecord& a, const HorizonCrossingRecord& b) { return a.Azimuth < b.Azimuth; });
    const std::size_t n = crossings.size();
    std::vector<ChartPoint> points;
    if (n % 2 != 0) return points;
    for (std::size_t k = 0; k + 1 < n; k += 2) {
        if (crossings[k].Direction == crossings[k + 1].Direction) return points;
        if (crossings[k].Azimuth == crossings[k + 1].Azimuth) return points;
    }
    for (std::size_t k = 0; k + 1 < n; ++k)
        if (crossings[k].Azimuth == crossings[k + 1].Azimuth) return points;
    if (n > 0 && crossings[n - 1].Azimuth == crossings[0].Azimuth + TwoPi) return points;

    std::size_t k = 0;
    while (k < n) {
        if (crossings[k].Direction == 'o') {
            ++k;
            if (k >= n) break;  // an 'o' at the end opens nothing
        }
        const HorizonCrossingRecord& open = crossings[k];
        const HorizonCrossingRecord& close = k + 1 < n ? crossings[k + 1] : crossings[0];
        const double a0 = open.Azimuth;
        double a1 = close.Azimuth;
        if (a1 < a0) a1 += TwoPi;
        if ((a1 - a0) * frame.ChartRadius > 5) {
            const ChartPoint m = ProjectToChart(frame, (a0 + a1) / 2, 0.0);
            points.push_back(PointBeyondHorizon(frame, m, 3));
        }
        k += 2;
    }
    return points;
}

void FillMilkyWayAtHorizon(Canvas& canvas, const ChartFrame& frame, std::vector<HorizonCrossingRecord>& crossings) {
    const std::vector<ChartPoint> starts = HorizonFillPoints(frame, crossings);
    canvas.SetBrushColour(MilkyWayBandColour);
    for (const ChartPoint f : starts) {
        const double offsets[5][2] = {{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}};
        for (const auto& o : offsets)
            canvas.FloodFillSurface(TruncToInt(f.X + o[0]), TruncToInt(f.Y + o[1]), colours::Black);
    }
}

void FillMilkyWaySeeds(Canvas& canvas, const ChartContext& ctx) {
    for (const MilkyWaySeed& seed : MilkyWayFillSeeds) {
        const HorizontalPosition p = EquatorialToHorizontal(ctx.Frame, seed.RightAscension, seed.Declination,
                                                            InfinitelyFar, ctx.JulianDay, Equinox::Catalogue);
        if (p.Altitude < 0.0) continue;
        const ChartPoint c = ProjectToChart(ctx.Frame, p.Azimuth, p.Altitude);
        const int x = TruncToInt(c.X), y = TruncToInt(c.Y);
        if (canvas.Pixel(x, y) == MilkyWayBandColour) continue;
        canvas.SetBrushColour(MilkyWayBandColour);
        canvas.FloodFillSurface(x, y, colours::Black);
    }
}

void DrawMilkyWayLanes(Canvas& canvas, const ChartContext& ctx) {
    canvas.SetPenColour(MilkyWayBandColour);
    canvas.SetPenWidth(2);
    DrawSkyPolyline(canvas, ctx.Projection, MilkyWayLanes, CatalogueDirection(ctx));
    canvas.SetPenWidth(1);
}

void DrawHorizonRing(Canvas& canvas, const ChartFrame& frame) {
    canvas.SetPenColour(colours::Cyan);
    canvas.SetPenWidth(2);
    canvas.SetBrushColour(colours::Black);
    WholeCircle(canvas, frame, frame.ChartRadius + 5);
    canvas.SetPenWidth(1);
}

void DrawHorizonRims(Canvas& canvas, const ChartFrame& frame) {
    canvas.SetPenColour(colours::Navy);
    canvas.SetPenWidth(4);
    canvas.SetBrushColour(colours::Black);
    WholeCircle(canvas, frame, frame.ChartRadius + 4);
    canvas.SetPenColour(colours::Cyan);
    canvas.SetPenWidth(2);
    WholeCircle(canvas, frame, frame.ChartRadius);
    canvas.SetPenWidth(1);
}

void DrawMilkyWay(Canvas& canvas, const ChartContext& ctx) {
    std::vector<HorizonCrossingRecord> crossings;
    DrawMilkyWayOutline(canvas, ctx, crossings);
    DrawHorizonRing(canvas, ctx.Frame);
    FillMilkyWayAtHorizon(canvas, ctx.Frame, crossings);
    FillMilkyWaySeeds(canvas, ctx);
    DrawMilkyWayLanes(canvas, ctx);
    DrawHorizonRims(canvas, ctx.Frame);
    canvas.SetPenWidth(1);
}

}  // namespace kolvar
