#pragma once

#include <array>

#include "sky/sky_object_table.h"

namespace kolvar {

// The visual magnitude of every slot on a Julian day (UT): computed from the
// positions of the date for the Sun, the Moon and the planets
// (astro/body_magnitude.h); for stars and deep-sky objects the catalogue's
// magnitude class, the magnitude truncated toward zero.
std::array<double, SkyObjectCount> ObjectMagnitudes(double julianDay);

}  // namespace kolvar
