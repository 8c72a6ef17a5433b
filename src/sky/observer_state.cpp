#include "sky/observer_state.h"

#include <cmath>

#include "astro/angles.h"
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
    return s;
}

GeoPlace StoredPlace(double longitude, double latitude) {
    if (!std::isfinite(longitude) || !std::isfinite(latitude)) return {DefaultLongitude, DefaultLatitude};
    if (std::fabs(latitude) <= Pi / 2 && std::fabs(longitude) <= 2 * Pi) return {longitude, latitude};
    const double x = std::cos(longitude) * std::cos(latitude);
    const double y = std::sin(longitude) * std::cos(latitude);
    const double z = std::sin(latitude);
    return {std::atan2(y, x), std::atan2(z, std::sqrt(x * x + y * y))};
}

}  // namespace kolvar
