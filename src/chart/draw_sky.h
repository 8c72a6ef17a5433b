#pragma once

#include "canvas/canvas.h"
#include "chart/chart_context.h"

namespace kolvar {

// Paints every layer of the chart in order (ecliptic, cross, horizon disc,
// Milky Way, Sun, Moon, planets, stars, deep-sky objects) from the placed
// scene of the context.
void DrawSky(Canvas& canvas, const ChartContext& ctx);

}  // namespace kolvar
