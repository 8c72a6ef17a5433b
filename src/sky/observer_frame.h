#pragma once

#include <array>
#include <cmath>

#include "astro/transforms.h"
#include "sky/observer_state.h"

namespace kolvar {

// Where the observer stands and how the sky is turned at one instant, with
// no pixels: what a placement reads altitudes and azimuths in.
struct ObserverFrame {
    std::array<double, 3> ObserverOffset{};  // observer from the Earth's centre, Earth-fixed axes (AU)
    std::array<std::array<double, 3>, 3> LocalFrame{};  // rows: north, west, zenith
    double SiderealAngle = 0.0;                         // Greenwich sidereal angle of the frame's instant
};

struct HorizontalPosition {
    double Azimuth = 0.0;   // radians from north through east, -pi..pi
    double Altitude = 0.0;  // radians
    double Distance = 0.0;  // AU
};

// The vector of the direction (azimuth A, altitude h) at `distance` in
// horizontal Cartesian axes (north, east, up): distance (cos A cos h,
// sin A cos h, sin h).
inline std::array<double, 3> HorizontalVector(double azimuth, double altitude, double distance = 1.0) {
    return {distance * std::cos(azimuth) * std::cos(altitude),
            distance * std::sin(azimuth) * std::cos(altitude), distance * std::sin(altitude)};
}

// The chart's observer frame for the observer's place at its instant: the
// zenith along the vector from the Earth's centre as the chart has always
// drawn it, turned by the Greenwich sidereal angle of the instant.
ObserverFrame ComputeObserverFrame(const ObserverState& observer);

// The frame an almanac reads altitudes in: the same place on the Earth, but
// the zenith along the geodetic vertical. The chart's own frame tilts its
// zenith 0.192 degrees x sin 2(latitude) toward the nearer pole; every number
// told to a user (altitudes, azimuths, rising and setting) is read in this one.
ObserverFrame ComputeTrueFrame(const ObserverState& observer);

// The same place's frame at another instant: its axes are fixed to the
// Earth, so only the sidereal angle turns.
ObserverFrame FrameAtInstant(const ObserverFrame& frame, double julianDay);

// Equatorial position (radians, AU) to the observer's horizon. The caller
// says what the position is referred to: a catalogue position is precessed
// to the date first, a position of the date is taken as it is. Distance 0
// counts as infinitely far.
HorizontalPosition EquatorialToHorizontal(const ObserverFrame& frame, double rightAscension,
                                          double declination, double distance, double julianDay,
                                          Equinox equinox);

}  // namespace kolvar
