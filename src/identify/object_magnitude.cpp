#include "identify/object_magnitude.h"

#include <algorithm>
#include <cmath>

#include "astro/body_magnitude.h"
#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "astro/transforms.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"

namespace kolvar {

namespace {

// Unit vector of a right ascension and declination.
std::array<double, 3> Direction(const SphericalPosition& p) {
    return {std::cos(p.Latitude) * std::cos(p.Longitude), std::cos(p.Latitude) * std::sin(p.Longitude),
            std::sin(p.Latitude)};
}

// Phase angle of the Moon from its elongation from the Sun seen from the Earth.
double MoonPhase(const SunMoonResult& sm) {
    const std::array<double, 3> s = Direction(sm.SunEquatorial);
    const std::array<double, 3> m = Direction(sm.MoonEquatorial);
    const double elongation = std::acos(std::clamp(s[0] * m[0] + s[1] * m[1] + s[2] * m[2], -1.0, 1.0));
    const double sun = sm.SunEquatorial.Distance;
    return std::atan2(sun * std::sin(elongation), sm.MoonEquatorial.Distance - sun * std::cos(elongation));
}

}  // namespace

std::array<double, SkyObjectCount> ObjectMagnitudes(double julianDay) {
    std::array<double, SkyObjectCount> magnitudes{};
    const SunMoonResult sm = SunMoonState(julianDay);
    magnitudes[SunSlot] = SunMagnitude(sm.SunEquatorial.Distance);
    magnitudes[MoonSlot] = MoonMagnitude(MoonPhase(sm));
    for (int planet = 0; planet < PlanetCount; ++planet) {
        const SphericalPosition h = PlanetHeliocentric(julianDay, planet);
        const double delta = HeliocentricToEquatorial(h, sm.EarthHeliocentric).Distance;
        const double phase = PhaseAngle(h.Distance, delta, sm.EarthHeliocentric.Distance);
        magnitudes[static_cast<std::size_t>(FirstPlanetSlot + planet)] =
            PlanetMagnitude(planet, h.Distance, delta, phase);
    }
    for (int star = 0; star < StarCount; ++star)
        magnitudes[static_cast<std::size_t>(FirstStarSlot + star)] =
            StarCatalogue[static_cast<std::size_t>(star)].MagnitudeClass;
    for (int object = 0; object < DeepSkyCount; ++object)
        magnitudes[static_cast<std::size_t>(FirstDeepSkySlot + object)] =
            DeepSkyCatalogue[static_cast<std::size_t>(object)].MagnitudeClass;
    return magnitudes;
}

}  // namespace kolvar
