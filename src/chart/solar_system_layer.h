#pragma once

#include "astro/spherical_position.h"
#include "canvas/canvas.h"
#include "chart/chart_context.h"
#include "sky/sky_placement.h"

namespace kolvar {

inline constexpr Colour MoonDarkColour{128, 127, 0};

// Half the projected length of a body's vertical diameter, in units of the
// chart radius: angular radius `bodyRadius / distance` at `altitude`.
double ApparentDiscHalf(double bodyRadius, double distance, double altitude);

// Yellow disc of the Sun's apparent size with a white marker at its centre.
void DrawSun(Canvas& canvas, const ChartContext& ctx);

// The Moon's disc, shaded by a second disc for its phase (lit from the
// Sun's place in the scene).
void DrawMoon(Canvas& canvas, const ChartContext& ctx);

void DrawPlanet(Canvas& canvas, const ChartContext& ctx, int planet);

}  // namespace kolvar
