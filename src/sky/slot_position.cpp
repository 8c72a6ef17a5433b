#include "sky/slot_position.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/ephemeris_range.h"
#include "astro/planets.h"
#include "astro/spherical_position.h"
#include "astro/sun_moon.h"
#include "sky/sky_placement.h"

namespace kolvar {

namespace {

constexpr double Refraction = 34.0 / 60.0 * Pi / 180.0;  // at the horizon
constexpr double FixedObjectDays = 1.0;
constexpr double MovingBodyDays = 2.0;

}  // namespace

SlotPlacer::SlotPlacer(double longitude, double latitude, PlacementFrame frame) {
    ObserverState place;
    place.Longitude = longitude;
    place.Latitude = latitude;
    frame_ = frame == PlacementFrame::True ? ComputeTrueFrame(place) : ComputeObserverFrame(place);
}

SkyObjectEntry SlotPlacer::Place(int slot, double julianDay) {
    // The scene turns the frame by the sidereal angle of its instant.
    const ObserverFrame frame = FrameAtInstant(frame_, julianDay);
    if (slot >= FirstStarSlot && slot < FirstDeepSkySlot)
        return PlaceStar(frame, julianDay, slot - FirstStarSlot);
    if (slot >= FirstDeepSkySlot) return PlaceDeepSkyObject(frame, julianDay, slot - FirstDeepSkySlot);
    const SunMoonResult sm = SunMoonState(julianDay);
    if (slot == SunSlot) return PlaceSun(frame, julianDay, sm.SunEquatorial);
    if (slot == MoonSlot) return PlaceMoon(frame, julianDay, sm.MoonEquatorial);
    return PlacePlanet(frame, julianDay, slot - FirstPlanetSlot, sm.EarthHeliocentric);
}

double RiseSetAltitude(const SkyObjectEntry& entry) {
    if (entry.Kind == KindSun) return -(Refraction + std::asin(SunRadiusAu / entry.Distance));
    if (entry.Kind == KindMoon) return -(Refraction + std::asin(MoonRadiusAu / entry.Distance));
    return -Refraction;
}

namespace {

// The last instant in [start, start + days] for which the elements give every
// body a position (the range is one stretch of days), or that end itself.
double LastCoveredDay(double start, double days) {
    double low = start, high = start + days;
    if (ElementsCoverDay(high) || !ElementsCoverDay(low)) return high;
    while (high - low > 1.0 / 86400.0) {
        const double middle = 0.5 * (low + high);
        (ElementsCoverDay(middle) ? low : high) = middle;
    }
    return low;
}

}  // namespace

RiseTransitSet SlotRiseTransitSet(SlotPlacer& placer, int slot, double start) {
    const auto at = [&placer, slot](double julianDay) {
        const SkyObjectEntry e = placer.Place(slot, julianDay);
        return HorizonSample{e.Altitude - RiseSetAltitude(e), std::cos(e.Altitude) * std::sin(e.Azimuth)};
    };
    RiseSetSearch search;
    search.WindowDays = RiseSetWindowDays(slot);
    const double lastDay =
        slot >= FirstStarSlot ? start + search.WindowDays : LastCoveredDay(start, search.WindowDays);
    return FindRiseTransitSetUntil(at, start, lastDay, search);
}

SkyObjectEntry PlaceFixedDirection(const ObserverFrame& frame, std::uint8_t kind, int index,
                                   double rightAscension, double declination, double julianDay) {
    const HorizontalPosition h = EquatorialToHorizontal(frame, rightAscension, declination, InfinitelyFar,
                                                        julianDay, Equinox::Catalogue);
    return PlaceObject(kind, index, -1, h);
}

double RiseSetWindowDays(int slot) { return slot >= FirstStarSlot ? FixedObjectDays : MovingBodyDays; }

SkyObjectEntry SlotPlacer::PlaceDirection(double rightAscension, double declination, double julianDay) {
    return PlaceFixedDirection(FrameAtInstant(frame_, julianDay), KindNgcIc, 0, rightAscension, declination,
                               julianDay);
}

RiseTransitSet FixedDirectionRiseTransitSet(double longitude, double latitude, double rightAscension,
                                            double declination, double start) {
    SlotPlacer placer(longitude, latitude, PlacementFrame::True);
    const auto at = [&](double julianDay) {
        const SkyObjectEntry e = placer.PlaceDirection(rightAscension, declination, julianDay);
        return HorizonSample{e.Altitude - RiseSetAltitude(e), std::cos(e.Altitude) * std::sin(e.Azimuth)};
    };
    RiseSetSearch search;
    search.WindowDays = FixedObjectDays;
    return FindRiseTransitSet(at, start, search);
}

}  // namespace kolvar
