#include "chart/observer_state.h"

#include "astro/time_scales.h"

namespace kolvar {

double StartingJulianDay() { return SystemClockJulianDay(); }

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
