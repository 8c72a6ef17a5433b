#pragma once

#include <array>
#include <cmath>

#include "astro/transforms.h"
#include "chart/observer_state.h"

namespace kolvar {

// Where the observer stands and how the sky is turned at one instant, with
// no pixels: what a placement reads altitudes and azimuths in.
struct ObserverFrame {
    std::array<double, 3> ObserverOffset{};  // observer from the Earth's centre, Earth-fixed axes (AU)
    std::array<std::array<double, 3>, 3> LocalFrame{};  // rows: north, west, zenith
    double SiderealAngle = 0.0;                         // Greenwich sidereal angle of the frame's instant
};

// The pixel geometry of one chart: its size and the horizon circle in it.
struct ChartGeometry {
    int ChartWidth = 0;  // client size at the redraw
    int ChartHeight = 0;
    int CentreX = 0;  // centre of the horizon circle
    int CentreY = 0;
    int ChartRadius = 0;  // radius of the horizon circle
};

// One redraw's geometry with the observer frame it was drawn for; whoever
// redraws keeps the last one for identification and the close-up.
struct ChartFrame : ChartGeometry, ObserverFrame {};

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

struct ChartPoint {
    float X = 0.0f;
    float Y = 0.0f;
};

// The horizon circle of a chart of the client size.
ChartGeometry ComputeChartGeometry(int chartWidth, int chartHeight);

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

// A chart of the given geometry drawn for the frame.
ChartFrame FrameOnChart(const ChartGeometry& geometry, const ObserverFrame& frame);

// Geometry from the client size, frame from the observer's place and instant.
ChartFrame ComputeChartFrame(int chartWidth, int chartHeight, const ObserverState& observer);

// Equatorial position (radians, AU) to the observer's horizon. The caller
// says what the position is referred to: a catalogue position is precessed
// to the date first, a position of the date is taken as it is. Distance 0
// counts as infinitely far.
HorizontalPosition EquatorialToHorizontal(const ObserverFrame& frame, double rightAscension,
                                          double declination, double distance, double julianDay,
                                          Equinox equinox);

// Stereographic projection from the nadir: zenith at the centre, horizon on
// the circle of radius ChartRadius, north up, east left.
ChartPoint ProjectToChart(const ChartGeometry& frame, double azimuth, double altitude);

// The inverse; Distance is left 0. The exact centre is the zenith with
// azimuth 0 (any azimuth would name it).
HorizontalPosition ChartToHorizontal(const ChartGeometry& frame, double x, double y);

// Where the segment p1 -> p2 meets the horizon circle: the point of the
// segment on the circle (the first root of the chord, else the second), and
// when rounding has left both ends a hair off one side, the end nearest to
// the circle's meeting with the line. Never off the segment.
ChartPoint HorizonCrossing(const ChartGeometry& frame, ChartPoint p1, ChartPoint p2);

// The point at distance ChartRadius + offset from the centre on the ray through p.
ChartPoint PointBeyondHorizon(const ChartGeometry& frame, ChartPoint p, double offset);

}  // namespace kolvar
