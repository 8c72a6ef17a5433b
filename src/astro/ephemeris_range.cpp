#include "astro/ephemeris_range.h"

#include <cmath>

#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "astro/transforms.h"

namespace kolvar {

namespace {

bool IsFinite(const SphericalPosition& position) {
    return std::isfinite(position.Longitude) && std::isfinite(position.Latitude) &&
           std::isfinite(position.Distance);
}

}  // namespace

bool ElementsCoverDay(double julianDay) {
    if (!std::isfinite(julianDay)) {
        return false;
    }
    const SunMoonResult state = SunMoonState(julianDay);
    if (!IsFinite(state.SunEquatorial) || !IsFinite(state.MoonEquatorial) ||
        !IsFinite(state.EarthHeliocentric)) {
        return false;
    }
    for (int planet = 0; planet < PlanetCount; ++planet) {
        if (!IsFinite(
                HeliocentricToEquatorial(PlanetHeliocentric(julianDay, planet), state.EarthHeliocentric))) {
            return false;
        }
    }
    return true;
}

}  // namespace kolvar
