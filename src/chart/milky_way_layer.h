#pragma once

#include <vector>

#include "canvas/canvas.h"
#include "chart/chart_context.h"
#include "chart/edge_crossings.h"

namespace kolvar {

inline constexpr Colour MilkyWayOutlineColour{24, 24, 24};
inline constexpr Colour MilkyWayBandColour{32, 32, 32};

// The whole band: outline, ring, horizon fill, seed fills, lanes, rims.
void DrawMilkyWay(Canvas& canvas, const ChartContext& ctx);

// Draws the outlines, closing each one against the horizon with a short tick
// at every crossing, and appends the crossings (Angle: the azimuth of the
// crossing point).
void DrawMilkyWayOutline(Canvas& canvas, const ChartContext& ctx, std::vector<EdgeCrossing>& crossings);

// The fill start points just outside the horizon, one for every stretch of
// the horizon that lies inside the band and is longer than 5 pixels. Empty
// when the crossings do not pair up. Sorts the list by azimuth.
std::vector<ChartPoint> HorizonFillPoints(const ChartFrame& frame, std::vector<EdgeCrossing>& crossings);

// Fills the band where it meets the horizon, from the points above.
void FillMilkyWayAtHorizon(Canvas& canvas, const ChartFrame& frame, std::vector<EdgeCrossing>& crossings);

// Fills the parts of the band that do not touch the horizon.
void FillMilkyWaySeeds(Canvas& canvas, const ChartContext& ctx);

void DrawMilkyWayLanes(Canvas& canvas, const ChartContext& ctx);

// Cyan ring at ChartRadius + 5 that closes the outline ticks.
void DrawHorizonRing(Canvas& canvas, const ChartFrame& frame);

// Navy rim over the strip outside the horizon, then the cyan horizon line.
void DrawHorizonRims(Canvas& canvas, const ChartFrame& frame);

}  // namespace kolvar
