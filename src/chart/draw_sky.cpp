#include "chart/draw_sky.h"

#include "astro/planets.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/background_layers.h"
#include "chart/milky_way_layer.h"
#include "chart/solar_system_layer.h"
#include "chart/star_layer.h"

namespace kolvar {

void DrawSky(Canvas& canvas, const ChartContext& ctx) {
    DrawEclipticCircle(canvas, ctx);
    DrawCardinalCross(canvas, ctx.Frame);
    DrawHorizonDisc(canvas, ctx.Frame);
    DrawMilkyWay(canvas, ctx);
    DrawSun(canvas, ctx);
    DrawMoon(canvas, ctx);
    for (int i = 0; i < PlanetCount; ++i) DrawPlanet(canvas, ctx, i);
    for (int i = 0; i < StarCount; ++i) DrawStar(canvas, ctx, i);
    for (int i = 0; i < DeepSkyCount; ++i) DrawDeepSkyObject(canvas, ctx, i);
}

}  // namespace kolvar
