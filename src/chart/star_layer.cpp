#include "chart/star_layer.h"

#include "chart/marker.h"

namespace kolvar {

void DrawStar(Canvas& canvas, const ChartContext& ctx, int star) {
    const SkyObjectEntry& e = ctx.Objects[FirstStarSlot + star];
    if (MarkedUnder(e, ctx.FaintestMarkerClass)) MarkObject(canvas, ctx.Projection, e);
}

void DrawDeepSkyObject(Canvas& canvas, const ChartContext& ctx, int object) {
    const SkyObjectEntry& e = ctx.Objects[FirstDeepSkySlot + object];
    if (MarkedUnder(e, ctx.FaintestMarkerClass)) MarkObject(canvas, ctx.Projection, e);
}

}  // namespace kolvar
