#pragma once

namespace kolvar {

// Distance given to objects without one (stars, deep-sky objects, outline
// points): the largest 32-bit signed integer, standing for "infinitely far".
inline constexpr double InfinitelyFar = 2147483647.0;

// A direction with a distance: ecliptic longitude/latitude or right
// ascension/declination in radians, distance in astronomical units.
struct SphericalPosition {
    double Longitude = 0.0;
    double Latitude = 0.0;
    double Distance = 0.0;
};

}  // namespace kolvar
