#pragma once

#include "astro/spherical_position.h"

namespace kolvar {

// Fills the start-up tables the chart reads (planet elements, catalogues,
// Milky Way lists) once per test process.
void InitialiseChartTables();

// Galactic longitude and latitude (degrees) to J2000 right ascension and
// declination (radians), infinitely far: where the band's centre line runs.
SphericalPosition GalacticToEquatorial(double l, double b);

}  // namespace kolvar
