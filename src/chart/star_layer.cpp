#include "chart/star_layer.h"

#include "astro/spherical_position.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/marker.h"

namespace kolvar {

void PlaceStar(const ChartContext& ctx, int star) {
    const SphericalPosition p = ApplyProperMotion(StarCatalogue[star], ctx.JulianDay);
    const HorizontalPosition h = EquatorialToHorizontal(ctx.Frame, p.Longitude, p.Latitude, p.Distance,
                                                        ctx.JulianDay, Equinox::Catalogue);
    ctx.Objects[FirstStarSlot + star] = PlaceObject(KindStar, star, -1, h);
}

void PlaceDeepSkyObject(const ChartContext& ctx, int object) {
    const DeepSkyRecord& d = DeepSkyCatalogue[object];
    const HorizontalPosition h = EquatorialToHorizontal(ctx.Frame, d.RightAscension, d.Declination,
                                                        InfinitelyFar, ctx.JulianDay, Equinox::Catalogue);
    ctx.Objects[FirstDeepSkySlot + object] = PlaceObject(KindDeepSky, object, -1, h);
}

void DrawStar(Canvas& canvas, const ChartContext& ctx, int star) {
    PlaceStar(ctx, star);
    const SkyObjectEntry& e = ctx.Objects[FirstStarSlot + star];
    if (MarkedUnder(e, ctx.FaintestMarkerClass)) MarkObject(canvas, ctx.Projection, e);
}

void DrawDeepSkyObject(Canvas& canvas, const ChartContext& ctx, int object) {
    PlaceDeepSkyObject(ctx, object);
    const SkyObjectEntry& e = ctx.Objects[FirstDeepSkySlot + object];
    if (MarkedUnder(e, ctx.FaintestMarkerClass)) MarkObject(canvas, ctx.Projection, e);
}

}  // namespace kolvar
