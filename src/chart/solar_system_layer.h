#pragma once

#include "astro/spherical_position.h"
#include "canvas/canvas.h"
#include "chart/chart_context.h"

namespace kolvar {

inline constexpr double SunRadiusAu = 0.00464066;
inline constexpr double MoonRadiusAu = 1.1612599e-05;
inline constexpr Colour MoonDarkColour{128, 127, 0};

// The geocentric place of date (RA, Dec, AU) of the Sun, the Moon or a planet
// by its slot, as the chart computes it.
SphericalPosition GeocentricBodyPosition(int slot, double julianDay);

// Half the projected length of a body's vertical diameter, in units of the
// chart radius: angular radius `bodyRadius / distance` at `altitude`.
double ApparentDiscHalf(double bodyRadius, double distance, double altitude);

// Each Place function computes the body's horizontal position, writes its
// slot and returns the position; the Draw functions add the drawing.
HorizontalPosition PlaceSun(const ChartContext& ctx, const SphericalPosition& sun);
HorizontalPosition PlaceMoon(const ChartContext& ctx, const SphericalPosition& moon);
void PlacePlanet(const ChartContext& ctx, int planet, const SphericalPosition& earth);

// Yellow disc of the Sun's apparent size with a white marker at its centre.
HorizontalPosition DrawSun(Canvas& canvas, const ChartContext& ctx, const SphericalPosition& sun);

// The Moon's disc, shaded by a second disc for its phase.
HorizontalPosition DrawMoon(Canvas& canvas, const ChartContext& ctx, const SphericalPosition& sun,
                            const SphericalPosition& moon);

void DrawPlanet(Canvas& canvas, const ChartContext& ctx, int planet, const SphericalPosition& earth);

}  // namespace kolvar
