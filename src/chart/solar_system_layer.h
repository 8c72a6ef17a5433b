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

// Where the chart places the Sun, the Moon (geocentric places of the date)
// and a planet for the frame at `julianDay` (UT).
SkyObjectEntry PlaceSun(const ObserverFrame& frame, double julianDay, const SphericalPosition& sun);
SkyObjectEntry PlaceMoon(const ObserverFrame& frame, double julianDay, const SphericalPosition& moon);
SkyObjectEntry PlacePlanet(const ObserverFrame& frame, double julianDay, int planet,
                           const SphericalPosition& earth);

// Yellow disc of the Sun's apparent size with a white marker at its centre.
void DrawSun(Canvas& canvas, const ChartContext& ctx);

// The Moon's disc, shaded by a second disc for its phase (lit from the
// Sun's place in the scene).
void DrawMoon(Canvas& canvas, const ChartContext& ctx);

void DrawPlanet(Canvas& canvas, const ChartContext& ctx, int planet);

}  // namespace kolvar
