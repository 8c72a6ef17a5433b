#include "sky/sky_scene.h"

#include "astro/planets.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "sky/sky_placement.h"

namespace kolvar {

SkyScene ComputeSkyScene(const ObserverState& observer) {
    SkyScene s;
    s.Longitude = observer.Longitude;
    s.Latitude = observer.Latitude;
    const double jd = s.JulianDay = observer.JulianDay;
    s.Frame = ComputeObserverFrame(observer);
    s.SunMoon = SunMoonState(jd);
    s.MoonPhase = MoonPhaseAngle(s.SunMoon);
    s.Objects[SunSlot] = PlaceSun(s.Frame, jd, s.SunMoon.SunEquatorial);
    s.Objects[MoonSlot] = PlaceMoon(s.Frame, jd, s.SunMoon.MoonEquatorial);
    for (int i = 0; i < PlanetCount; ++i)
        s.Objects[FirstPlanetSlot + i] = PlacePlanet(s.Frame, jd, i, s.SunMoon.EarthHeliocentric);
    for (int i = 0; i < StarCount; ++i) s.Objects[FirstStarSlot + i] = PlaceStar(s.Frame, jd, i);
    for (int i = 0; i < DeepSkyCount; ++i)
        s.Objects[FirstDeepSkySlot + i] = PlaceDeepSkyObject(s.Frame, jd, i);
    return s;
}

}  // namespace kolvar
