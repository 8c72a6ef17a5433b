#include "closeup/milky_way_close_up.h"

#include <algorithm>
#include <cmath>

#include "catalog/milky_way.h"
#include "chart/milky_way_layer.h"
#include "chart/pixel_rules.h"
#include "chart/polyline_walk.h"
#include "closeup/sky_directions.h"

namespace kolvar {

namespace {

// The close-up keeps its Milky Way lists turned to the horizon once per
// redraw (MilkyWayDirections); `directions` holds the direction of every
// entry of `points` at the entry's index.
template <typename Points>
auto TurnedDirection(const Points& points, const std::vector<HorizontalPosition>& directions) {
    return [&points, &directions](const auto& point) -> const HorizontalPosition& {
        return directions[static_cast<std::size_t>(&point - points.data())];
    };
}

struct BorderPixel {
    int X = 0;
    int Y = 0;
    friend bool operator==(BorderPixel, BorderPixel) = default;
};

// One pixel counter-clockwise along the border (as seen on the screen);
// false where no step applies.
bool StepAlongBorder(BorderPixel& p, int width, int height) {
    if (p.X == 0 && p.Y < height - 1) {
        ++p.Y;
    } else if (p.X == width - 1 && p.Y > 0) {
        --p.Y;
    } else if (p.Y == height - 1 && p.X < width - 1) {
        ++p.X;
    } else if (p.Y == 0 && p.X > 0) {
        --p.X;
    } else {
        return false;
    }
    return true;
}

// Fills from every border pixel after `open` up to `close` (or back to
// `open`). Returns false when the walk met a pixel with no step, which ends
// the whole border fill.
bool FillStretch(Canvas& canvas, int width, int height, BorderPixel open, BorderPixel close) {
    BorderPixel p = open;
    // A whole turn comes back to where it started: stop there even when the
    // closing crossing is never met.
    const long long turn = 2LL * (width - 1) + 2LL * (height - 1) + 1;
    canvas.SetBrushColour(MilkyWayBandColour);
    for (long long steps = 0; steps <= turn; ++steps) {
        if (!StepAlongBorder(p, width, height)) return false;
        canvas.FloodFillSurface(p.X, p.Y, colours::Black);
        if (p == close || p == open) return true;
    }
    return true;
}

BorderPixel PixelOf(const EdgeCrossing& c) { return {TruncToInt(c.At.X), TruncToInt(c.At.Y)}; }

}  // namespace

ChartPoint RoundedBorderPoint(ChartPoint p) {
    return {static_cast<float>(TruncToInt(p.X + 0.5)), static_cast<float>(TruncToInt(p.Y + 0.5))};
}

EdgeCrossing MakeBorderCrossing(ChartPoint c, CrossingDirection direction, int width, int height) {
    const ChartPoint r{std::clamp(c.X, 0.0f, static_cast<float>(width - 1)),
                       std::clamp(c.Y, 0.0f, static_cast<float>(height - 1))};
    return {r, std::atan2(r.X - 0.5 * width, r.Y - 0.5 * height), direction};
}

void DrawCloseUpOutline(Canvas& canvas, const MilkyWayDirections& band, const SkyProjection& window,
                        std::vector<EdgeCrossing>& crossings) {
    canvas.SetPenColour(MilkyWayOutlineColour);
    canvas.SetPenWidth(3);
    const auto drawAndRecord = [&](ChartPoint c, ChartPoint here, CrossingDirection direction) {
        if (direction == CrossingDirection::Entering) {
            MoveTo(canvas, c);
            LineTo(canvas, here);
        }
        crossings.push_back(MakeBorderCrossing(c, direction, window.Width(), window.Height()));
    };
    WalkPolyline(canvas, window, MilkyWayOutline, TurnedDirection(MilkyWayOutline, band.Outline),
                 RoundedBorderPoint, drawAndRecord);
    canvas.SetPenWidth(1);
}

void FillAlongBorder(Canvas& canvas, int width, int height, std::vector<EdgeCrossing>& crossings) {
    ForEachStretchInside(crossings, [&](const EdgeCrossing& open, const EdgeCrossing& close) {
        return FillStretch(canvas, width, height, PixelOf(open), PixelOf(close));
    });
}

void DrawMilkyWayCloseUp(Canvas& canvas, const CloseUpSky& sky, const SkyProjection& window) {
    const MilkyWayDirections& band = sky.MilkyWay;
    std::vector<EdgeCrossing> crossings;
    DrawCloseUpOutline(canvas, band, window, crossings);
    FillAlongBorder(canvas, window.Width(), window.Height(), crossings);

    canvas.SetBrushColour(MilkyWayBandColour);
    for (const HorizontalPosition& h : band.Seeds) {
        const SkyProjection::Placed seed = window.Place(h);
        if (!seed.Drawable) continue;
        const ChartPoint p = window.PixelOf(seed);
        canvas.FloodFillSurface(TruncToInt(p.X), TruncToInt(p.Y), colours::Black);
    }

    canvas.SetPenColour(MilkyWayBandColour);
    canvas.SetPenWidth(3);
    DrawSkyPolyline(canvas, window, MilkyWayLanes, TurnedDirection(MilkyWayLanes, band.Lanes));
    canvas.SetPenWidth(1);
}

}  // namespace kolvar
