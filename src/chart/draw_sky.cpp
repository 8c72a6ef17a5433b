#include "chart/draw_sky.h"

#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/background_layers.h"
#include "chart/milky_way_layer.h"
#include "chart/solar_system_layer.h"
#include "chart/star_layer.h"

namespace kolvar {

double DrawSky(Canvas& canvas, const ChartContext& ctx) {
    const SunMoonResult sm = SunMoonState(ctx.JulianDay);
    DrawEclipticCircle(canvas, ctx);
    DrawCardinalCross(canvas, ctx.Frame);
    DrawHorizonDisc(canvas, ctx.Frame);
    DrawMilkyWay(canvas, ctx);
    DrawSun(canvas, ctx, sm.SunEquatorial);
    DrawMoon(canvas, ctx, sm.SunEquatorial, sm.MoonEquatorial);
    const double phase = MoonPhaseAngle(sm);
    for (int i = 0; i < PlanetCount; ++i) DrawPlanet(canvas, ctx, i, sm.EarthHeliocentric);
    for (int i = 0; i < StarCount; ++i) DrawStar(canvas, ctx, i);
    for (int i = 0; i < DeepSkyCount; ++i) DrawDeepSkyObject(canvas, ctx, i);
    return phase;
}

double PlaceSkyObjects(const ChartContext& ctx) {
    const SunMoonResult sm = SunMoonState(ctx.JulianDay);
    PlaceSun(ctx, sm.SunEquatorial);
    PlaceMoon(ctx, sm.MoonEquatorial);
    for (int i = 0; i < PlanetCount; ++i) PlacePlanet(ctx, i, sm.EarthHeliocentric);
    for (int i = 0; i < StarCount; ++i) PlaceStar(ctx, i);
    for (int i = 0; i < DeepSkyCount; ++i) PlaceDeepSkyObject(ctx, i);
    return MoonPhaseAngle(sm);
}

}  // namespace kolvar
