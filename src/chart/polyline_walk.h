#pragma once

#include <cstdint>

#include "canvas/canvas.h"
#include "catalog/milky_way.h"
#include "chart/chart_frame.h"
#include "chart/pixel_rules.h"

namespace kolvar {

inline std::int32_t LetterOf(const MilkyWayPoint& p) { return p.Shape; }
inline std::int32_t LetterOf(const MilkyWayLanePoint& p) { return p.Lane; }

inline void MoveTo(Canvas& canvas, ChartPoint p) { canvas.MoveTo(TruncToInt(p.X), TruncToInt(p.Y)); }
inline void LineTo(Canvas& canvas, ChartPoint p) { canvas.LineTo(TruncToInt(p.X), TruncToInt(p.Y)); }

// Walks a list of lettered points (the Milky Way outlines or lanes), joining
// consecutive points of one letter that are both inside the drawn area and
// cutting the lines where they leave or enter it. The main chart and the
// close-up differ only in what "inside" means and how the edge is met:
//  - place(point) -> S: where a point lies, in whatever form the picture needs;
//  - inside(S) -> bool;
//  - pixel(S) -> ChartPoint, asked only where a line is drawn from or to S;
//  - crossing(from, to) -> ChartPoint: where the line from an inside pixel to
//    an outside one (or back) meets the edge;
//  - onCrossing(c, here, direction) is told of every crossing after the walk's
//    own lines: at 'o' (leaving) the line up to c is drawn, at 'i' (entering)
//    the pen stands at `here` and the callback draws the piece from c itself.
// Before the first point the letter is a space and the point counts as outside.
template <typename Points, typename Place, typename Inside, typename Pixel, typename Crossing, typename OnCrossing>
void WalkPolyline(Canvas& canvas, const Points& points, Place place, Inside inside, Pixel pixel, Crossing crossing,
                  OnCrossing onCrossing) {
    std::int32_t prevLetter = ' ';
    bool prevInside = false;
    decltype(place(*points.begin())) prev{};
    for (const auto& point : points) {
        const std::int32_t letter = LetterOf(point);
        const auto here = place(point);
        const bool isInside = inside(here);
        const bool same = letter == prevLetter;
        if (isInside) {
            const ChartPoint at = pixel(here);
            if (prevInside && same) {
                LineTo(canvas, at);
            } else {
                MoveTo(canvas, at);
                if (same) onCrossing(crossing(pixel(prev), at), at, 'i');
            }
        } else if (same && prevInside) {
            const ChartPoint from = pixel(prev);
            const ChartPoint at = pixel(here);
            const ChartPoint c = crossing(from, at);
            MoveTo(canvas, from);
            LineTo(canvas, c);
            onCrossing(c, at, 'o');
        }
        prevLetter = letter;
        prevInside = isInside;
        prev = here;
    }
}

}  // namespace kolvar
