#include "chart/milky_way_layer.h"

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

void DrawMilkyWayOutline(Canvas& canvas, const ChartContext& ctx, std::vector<EdgeCrossing>& crossings) {
    canvas.SetPenColour(MilkyWayOutlineColour);
    canvas.SetPenWidth(2);
    const auto tickAndRecord = [&](ChartPoint c, ChartPoint here, CrossingDirection direction) {
        const ChartPoint t = PointBeyondHorizon(ctx.Frame, c, 5);
        if (direction == CrossingDirection::Leaving) {
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
        crossings.push_back({c, ChartToHorizontal(ctx.Frame, c.X, c.Y).Azimuth, direction});
    };
    WalkPolyline(
        canvas, ctx.Projection, MilkyWayOutline, CatalogueDirection(ctx), [](ChartPoint c) { return c; },
        tickAndRecord);
    canvas.SetPenWidth(1);
}

std::vector<ChartPoint> HorizonFillPoints(const ChartFrame& frame, std::vector<EdgeCrossing>& crossings) {
    std::vector<ChartPoint> points;
    ForEachStretchInside(crossings, [&](const EdgeCrossing& open, const EdgeCrossing& close) {
        const double a0 = open.Angle;
        double a1 = close.Angle;
        if (a1 < a0) a1 += TwoPi;
        if ((a1 - a0) * frame.ChartRadius > 5) {
            const ChartPoint m = ProjectToChart(frame, (a0 + a1) / 2, 0.0);
            points.push_back(PointBeyondHorizon(frame, m, 3));
        }
        return true;
    });
    return points;
}

void FillMilkyWayAtHorizon(Canvas& canvas, const ChartFrame& frame, std::vector<EdgeCrossing>& crossings) {
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
    std::vector<EdgeCrossing> crossings;
    DrawMilkyWayOutline(canvas, ctx, crossings);
    DrawHorizonRing(canvas, ctx.Frame);
    FillMilkyWayAtHorizon(canvas, ctx.Frame, crossings);
    FillMilkyWaySeeds(canvas, ctx);
    DrawMilkyWayLanes(canvas, ctx);
    DrawHorizonRims(canvas, ctx.Frame);
    canvas.SetPenWidth(1);
}

}  // namespace kolvar
