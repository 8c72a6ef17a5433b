#include "identify/horizon_note.h"

#include <cmath>
#include <cstdio>

#include "astro/time_scales.h"
#include "sky/slot_position.h"

namespace kolvar {

HorizonNote HorizonNoteOf(int slot, double longitude, double latitude, double julianDay) {
    SlotPlacer placer(longitude, latitude, PlacementFrame::True);
    const SkyObjectEntry now = placer.Place(slot, julianDay);
    if (now.Altitude >= RiseSetAltitude(now)) return {};
    const RiseTransitSet times = SlotRiseTransitSet(placer, slot, julianDay);
    if (times.Rise) return {HorizonState::RisesLater, *times.Rise};
    // Stars and deep-sky objects are followed for a whole day, which holds
    // every rising they have; the bodies only for the two days searched.
    return {slot >= FirstStarSlot ? HorizonState::NeverRises : HorizonState::NotRisingSoon, 0.0};
}

HorizonNote HorizonNoteOfDirection(double rightAscension, double declination, double longitude,
                                   double latitude, double julianDay) {
    const SkyObjectEntry now = SlotPlacer(longitude, latitude, PlacementFrame::True)
                                   .PlaceDirection(rightAscension, declination, julianDay);
    if (now.Altitude >= RiseSetAltitude(now)) return {};
    const RiseTransitSet times =
        FixedDirectionRiseTransitSet(longitude, latitude, rightAscension, declination, julianDay);
    if (times.Rise) return {HorizonState::RisesLater, *times.Rise};
    return {HorizonState::NeverRises, 0.0};
}

std::string CivilTimeText(double julianDay, double zoneHours, bool summerTime) {
    // Half a minute later, truncated to the minute: the nearest minute.
    const CalendarMoment m =
        CalendarFromJulianDay(julianDay + 30.0 / 86400.0, static_cast<float>(zoneHours), summerTime);
    char text[96];
    std::snprintf(text, sizeof text, "%d.%02d.%02d. %02d:%02d (UTC", m.Year, m.Month, m.Day, m.Hour,
                  m.Minute);
    std::string result = text;
    const double hours = zoneHours + (summerTime ? 1.0 : 0.0);
    if (!(std::fabs(hours) < 1e6)) return result + "?)";  // no zone a clock could show
    const long long minutes = std::llround(std::fabs(hours) * 60.0);
    if (minutes != 0) {
        std::snprintf(text, sizeof text, "%c%lld", hours < 0 ? '-' : '+', minutes / 60);
        result += text;
        if (minutes % 60 != 0) {
            std::snprintf(text, sizeof text, ":%02lld", minutes % 60);
            result += text;
        }
    }
    return result + ")";
}

}  // namespace kolvar
