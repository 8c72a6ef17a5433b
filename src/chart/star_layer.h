#pragma once

#include "canvas/canvas.h"
#include "chart/chart_context.h"
#include "sky/sky_placement.h"

namespace kolvar {

// Mark the placed object when it is above the horizon.
void DrawStar(Canvas& canvas, const ChartContext& ctx, int star);
void DrawDeepSkyObject(Canvas& canvas, const ChartContext& ctx, int object);

}  // namespace kolvar
