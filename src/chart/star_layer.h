#pragma once

#include "canvas/canvas.h"
#include "chart/chart_context.h"

namespace kolvar {

// Place writes the object's slot; Draw places it and marks it when it is
// above the horizon.
void PlaceStar(const ChartContext& ctx, int star);
void PlaceDeepSkyObject(const ChartContext& ctx, int object);
void DrawStar(Canvas& canvas, const ChartContext& ctx, int star);
void DrawDeepSkyObject(Canvas& canvas, const ChartContext& ctx, int object);

}  // namespace kolvar
