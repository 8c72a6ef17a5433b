#pragma once

#include "astro/small_body.h"

namespace kolvar {

// Heliocentric position and velocity on the unperturbed two-body orbit, in
// the equatorial frame J2000 (x towards the equinox, z towards the pole):
// AU and AU per day.
struct OrbitState {
    double Position[3] = {0.0, 0.0, 0.0};
    double Velocity[3] = {0.0, 0.0, 0.0};
};

// An orbit prepared for repeated positions: the orbit's orientation as two
// unit vectors (towards the perihelion and 90 degrees on in the direction of
// motion), and its size and rate.
struct TwoBodyOrbit {
    double P[3] = {1.0, 0.0, 0.0};
    double Q[3] = {0.0, 1.0, 0.0};
    double PerihelionDistance = 0.0;  // AU
    double Eccentricity = 0.0;
    double PerihelionTime = 0.0;  // Julian day (TT)
    double SemiMajorAxis = 0.0;   // |a|, AU (elliptic and hyperbolic orbits)
    double MeanMotion = 0.0;      // radians per day (for a parabola, sqrt(mu / (2 q^3)))
};

TwoBodyOrbit PrepareOrbit(const SmallBody& body);

// Where the body is at `julianDayTt`: ellipses by Kepler's equation,
// hyperbolas by its hyperbolic form (both by Newton's method), parabolas by
// Barker's equation in closed form. Non-finite values when the iteration does
// not settle (elements no file holds).
OrbitState StateAt(const TwoBodyOrbit& orbit, double julianDayTt);

// The Gaussian gravitational constant squared, AU^3 per day^2: the Sun's mass
// times G in the units of the elements files.
inline constexpr double GaussK = 0.01720209895;
inline constexpr double SunMu = GaussK * GaussK;

}  // namespace kolvar
