#pragma once

#include <vector>

#include "canvas/canvas.h"
#include "chart/edge_crossings.h"
#include "closeup/close_up_sky.h"

namespace kolvar {

// The Milky Way in the close-up: outline (recording the border crossings),
// fill along the border, seed fills, lanes. The window is black beforehand.
void DrawMilkyWayCloseUp(Canvas& canvas, const CloseUpSky& sky, const SkyProjection& window);

// The outline walk alone; appends the crossings.
void DrawCloseUpOutline(Canvas& canvas, const MilkyWayDirections& band, const SkyProjection& window,
                        std::vector<EdgeCrossing>& crossings);

// How the close-up takes a point where the outline meets the border: each
// coordinate rounded (add 0.5, truncate toward zero). The outline is drawn to
// that point.
ChartPoint RoundedBorderPoint(ChartPoint p);

// The crossing record of the rounded border point c: c held to the window
// (ClipSegmentToWindow meets a side's line beyond the window when the outline
// leaves through a corner region; the record takes the nearest border pixel,
// so the walk along the border steps on it) and its polar angle about the
// window centre, from straight down toward the right edge.
EdgeCrossing MakeBorderCrossing(ChartPoint c, CrossingDirection direction, int width, int height);

// Sorts the crossings by angle and, when they pair up, fills the band along
// the border counter-clockwise from every entering crossing to the next one.
void FillAlongBorder(Canvas& canvas, int width, int height, std::vector<EdgeCrossing>& crossings);

}  // namespace kolvar
