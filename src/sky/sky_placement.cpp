#include "sky/sky_placement.h"

#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"

namespace kolvar {

namespace {

// Sun, Moon and planets come from elements of the date: no precession.
HorizontalPosition Horizontal(const ObserverFrame& frame, double julianDay, const SphericalPosition& p) {
    return EquatorialToHorizontal(frame, p.Longitude, p.Latitude, p.Distance, julianDay, Equinox::OfDate);
}

}  // namespace

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

SkyObjectEntry PlaceSun(const ObserverFrame& frame, double julianDay, const SphericalPosition& sun) {
    return PlaceObject(KindSun, 0, SignIndexOf(sun.Longitude), Horizontal(frame, julianDay, sun));
}

SkyObjectEntry PlaceMoon(const ObserverFrame& frame, double julianDay, const SphericalPosition& moon) {
    return PlaceObject(KindMoon, 0, SignIndexOf(moon.Longitude), Horizontal(frame, julianDay, moon));
}

SkyObjectEntry PlacePlanet(const ObserverFrame& frame, double julianDay, int planet,
                           const SphericalPosition& earth) {
    const SphericalPosition h = PlanetHeliocentric(julianDay, planet);
    const SphericalPosition g = HeliocentricToEquatorial(h, earth);
    return PlaceObject(KindPlanet, planet, SignIndexOf(g.Longitude), Horizontal(frame, julianDay, g));
}

SphericalPosition GeocentricBodyPosition(int slot, double julianDay) {
    const SunMoonResult sm = SunMoonState(julianDay);
    if (slot == MoonSlot) return sm.MoonEquatorial;
    if (slot >= FirstPlanetSlot)
        return HeliocentricToEquatorial(PlanetHeliocentric(julianDay, slot - FirstPlanetSlot),
                                        sm.EarthHeliocentric);
    return sm.SunEquatorial;
}

}  // namespace kolvar
