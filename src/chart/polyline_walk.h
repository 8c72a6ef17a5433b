#pragma once

#include <cstdint>

#include "canvas/canvas.h"
#include "catalog/milky_way.h"
#include "chart/edge_crossings.h"
#include "chart/pixel_rules.h"
#include "chart/sky_projection.h"

namespace kolvar {

inline std::int32_t LetterOf(const MilkyWayPoint& p) { return p.Shape; }
inline std::int32_t LetterOf(const MilkyWayLanePoint& p) { return p.Lane; }

inline void MoveTo(Canvas& canvas, ChartPoint p) { canvas.MoveTo(TruncToInt(p.X), TruncToInt(p.Y)); }
inline void LineTo(Canvas& canvas, ChartPoint p) { canvas.LineTo(TruncToInt(p.X), TruncToInt(p.Y)); }

// Walks a list of lettered points (the Milky Way outlines or lanes) through
// a projection, joining consecutive points of one letter that are both
// drawable and cutting the lines where they leave or enter the drawable part
// (see SkyProjection):
//  - directionOf(point) -> HorizontalPosition: the point's direction;
//  - edge(c) -> ChartPoint: the point where a line meets the edge as the
//    caller uses it (the close-up outline rounds it);
//  - onCrossing(c, here, direction) is told of every crossing after the walk's
//    own lines: Leaving, the line up to c is drawn; Entering, the pen stands
//    at `here` and the callback draws the piece from c itself.
// Before the first point the letter is a space and the point counts as not
// drawable.
template <typename Points, typename DirectionOf, typename Edge, typename OnCrossing>
void WalkPolyline(Canvas& canvas, const SkyProjection& projection, const Points& points,
                  DirectionOf directionOf, Edge edge, OnCrossing onCrossing) {
    std::int32_t prevLetter = ' ';
    SkyProjection::Placed prev;
    for (const auto& point : points) {
        const std::int32_t letter = LetterOf(point);
        SkyProjection::Placed here = projection.Place(directionOf(point));
        const bool same = letter == prevLetter;
        if (here.Drawable) {
            const ChartPoint at = projection.PixelOf(here);
            here.Pixel = at;
            here.HasPixel = true;
            if (prev.Drawable && same) {
                LineTo(canvas, at);
            } else {
                MoveTo(canvas, at);
                if (same) {
                    const ChartPoint c = edge(projection.CrossEdge(projection.PixelOf(prev), at));
                    onCrossing(c, at, CrossingDirection::Entering);
                }
            }
        } else if (same && prev.Drawable) {
            const ChartPoint from = projection.PixelOf(prev);
            const ChartPoint at = projection.PixelOf(here);
            const ChartPoint c = edge(projection.CrossEdge(from, at));
            MoveTo(canvas, from);
            LineTo(canvas, c);
            onCrossing(c, at, CrossingDirection::Leaving);
        }
        prevLetter = letter;
        prev = here;
    }
}

// A plain polyline in either view (the lanes of the Milky Way): lines between
// drawable points, each piece cut where it leaves or enters the drawable part.
template <typename Points, typename DirectionOf>
void DrawSkyPolyline(Canvas& canvas, const SkyProjection& projection, const Points& points,
                     DirectionOf directionOf) {
    WalkPolyline(
        canvas, projection, points, directionOf, [](ChartPoint c) { return c; },
        [&canvas](ChartPoint c, ChartPoint here, CrossingDirection direction) {
            if (direction == CrossingDirection::Entering) {
                MoveTo(canvas, c);
                LineTo(canvas, here);
            }
        });
}

}  // namespace kolvar
