#pragma once

#include <cstdint>

namespace kolvar {

// Default place: longitude and latitude of the home observatory (radians).
inline constexpr double DefaultLongitude = 0.3327296;
inline constexpr double DefaultLatitude = 0.8305847;
inline constexpr double DefaultZone = 1.0;
inline constexpr std::int32_t DefaultFontSize = 12;

// The place and time for which the sky is drawn. Each main
// window of the desktop program keeps one in its session (shell/sky_session.h),
// each command-line run its own; both compute the scene from it.
struct ObserverState {
    double Longitude = 0.0;  // radians, east positive
    double Latitude = 0.0;   // radians, north positive
    double Zone = 0.0;       // hours east of Greenwich
    bool SummerTime = false;
    double JulianDay = 0.0;  // UT
};

// The Julian day the program starts with: the true current instant, the
// system clock in UTC.
double StartingJulianDay();

// An observer as a new run has it before the settings file is read: default
// place, zone +1 h, no summer time, the current instant.
ObserverState StartingObserverState();

// A place read from the settings file, made fit for the chart frame (whose
// cos(2 latitude) overflows for a latitude like 9e307). A place within the
// ranges the program itself writes (latitude in [-pi/2, pi/2], longitude in
// [-2 pi, 2 pi]) is kept to the bit. Any other is reduced as the place
// dialog normalises: the direction (longitude, latitude) on the sphere is
// written back with longitude in (-pi, pi] and latitude in [-pi/2, pi/2], so
// a latitude past a pole crosses to the other side of it. A value that is no
// finite number takes the default place's.
struct GeoPlace {
    double Longitude = 0.0;
    double Latitude = 0.0;
};
GeoPlace StoredPlace(double longitude, double latitude);

}  // namespace kolvar
