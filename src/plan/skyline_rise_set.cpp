#include "plan/skyline_rise_set.h"

#include <functional>

#include "plan/crossings.h"
#include "plan/night.h"
#include "plan/tonight_list.h"

namespace kolvar {

namespace {

// Four minutes of time, a degree of the sky's turn: a notch in the skyline
// narrower than that can be stepped over.
constexpr double SkylineStepDays = 4.0 / 1440.0;

using EntryAt = std::function<SkyObjectEntry(double julianDay)>;

// Replaces the rising and setting of `times`, searched in (start, end], by
// the first crossings of the skyline in that window; an object that never
// crosses it stays hidden or stays up, unless the window was cut short by
// the end of the positions' range.
void MoveToSkyline(RiseTransitSet& times, const LocalHorizon& skyline, const EntryAt& at, double start,
                   double end) {
    const TimeFunction above = [&](double julianDay) {
        const SkyObjectEntry e = at(julianDay);
        const double line = skyline.AltitudeAt(e.Azimuth);
        // The limb of the Sun and the Moon: what RiseSetAltitude adds below the refraction.
        const double limb = RiseSetAltitude(e) + HorizonRefraction;
        return e.Altitude - (line - RefractionAt(line) + limb);
    };
    times.Rise.reset();
    times.Set.reset();
    times.NeverRises = times.NeverSets = false;
    for (const Crossing& c : FindCrossings(above, start, end, SkylineStepDays)) {
        if (c.Time <= start) continue;
        if (c.Upward && !times.Rise) times.Rise = c.Time;
        if (!c.Upward && !times.Set) times.Set = c.Time;
    }
    if (times.Rise || times.Set || times.RangeEnd) return;
    (above(start) >= 0.0 ? times.NeverSets : times.NeverRises) = true;
}

}  // namespace

RiseTransitSet SlotTimesOverSkyline(SlotPlacer& placer, int slot, double start, const LocalHorizon* skyline) {
    RiseTransitSet times = SlotRiseTransitSet(placer, slot, start);
    if (!skyline) return times;
    const EntryAt at = [&placer, slot](double julianDay) { return placer.Place(slot, julianDay); };
    MoveToSkyline(times, *skyline, at, start, times.RangeEnd.value_or(start + RiseSetWindowDays(slot)));
    return times;
}

RiseTransitSet DirectionTimesOverSkyline(double longitude, double latitude, double rightAscension,
                                         double declination, double start, const LocalHorizon* skyline) {
    RiseTransitSet times =
        FixedDirectionRiseTransitSet(longitude, latitude, rightAscension, declination, start);
    if (!skyline) return times;
    SlotPlacer placer(longitude, latitude, PlacementFrame::True);
    const EntryAt at = [&](double julianDay) {
        return placer.PlaceDirection(rightAscension, declination, julianDay);
    };
    MoveToSkyline(times, *skyline, at, start, start + RiseSetWindowDays(FirstStarSlot));
    return times;
}

}  // namespace kolvar
