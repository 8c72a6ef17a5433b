#include "chart/star_layer.h"

#include "astro/spherical_position.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/marker.h"

namespace kolvar {

SkyObjectEntry PlaceStar(const ObserverFrame& frame, double julianDay, int star) {
    const SphericalPosition p = ApplyProperMotion(StarCatalogue[star], julianDay);
    const HorizontalPosition h =
        EquatorialToHorizontal(frame, p.Longitude, p.Latitude, p.Distance, julianDay, Equinox::Catalogue);
    return PlaceObject(KindStar, star, -1, h);
}

SkyObjectEntry PlaceDeepSkyObject(const ObserverFrame& frame, double julianDay, int object) {
    const DeepSkyRecord& d = DeepSkyCatalogue[object];
    const HorizontalPosition h = EquatorialToHorizontal(frame, d.RightAscension, d.Declination, InfinitelyFar,
                                                        julianDay, Equinox::Catalogue);
    return PlaceObject(KindDeepSky, object, -1, h);
}

void DrawStar(Canvas& canvas, const ChartContext& ctx, int star) {
    const SkyObjectEntry& e = ctx.Objects[FirstStarSlot + star];
    if (MarkedUnder(e, ctx.FaintestMarkerClass)) MarkObject(canvas, ctx.Projection, e);
}

void DrawDeepSkyObject(Canvas& canvas, const ChartContext& ctx, int object) {
    const SkyObjectEntry& e = ctx.Objects[FirstDeepSkySlot + object];
    if (MarkedUnder(e, ctx.FaintestMarkerClass)) MarkObject(canvas, ctx.Projection, e);
}

}  // namespace kolvar
