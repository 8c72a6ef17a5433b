#include "chart/observer_state.h"

#include "astro/time_scales.h"

namespace kolvar {

double StartingJulianDay() {
    const CalendarMoment now = ReadSystemClock();
    return static_cast<double>(
        JulianDayFromCalendar(now.Year, now.Month, now.Day, now.Hour, now.Minute, now.Second, false, DefaultZone));
}

ObserverState StartingObserverState() {
    ObserverState s;
    s.Longitude = DefaultLongitude;
    s.Latitude = DefaultLatitude;
    s.Zone = DefaultZone;
    s.SummerTime = false;
    s.JulianDay = StartingJulianDay();
    s.FontSize = DefaultFontSize;
    return s;
}

}  // namespace kolvar
