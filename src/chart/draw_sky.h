#pragma once

#include "canvas/canvas.h"
#include "chart/chart_context.h"

namespace kolvar {

// Paints every layer of the chart in order (ecliptic, cross, horizon disc,
// Milky Way, Sun, Moon, planets, stars, deep-sky objects), fills every slot
// of the table and returns the Moon phase angle.
double DrawSky(Canvas& canvas, const ChartContext& ctx);

// The astronomy of DrawSky without any pixels: computes and places every
// object of the table. Returns the Moon phase angle.
double PlaceSkyObjects(const ChartContext& ctx);

}  // namespace kolvar
