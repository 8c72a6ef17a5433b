#pragma once

namespace kolvar {

// Apparent visual magnitudes of the Sun, the Moon and the planets from their
// distances and phase angles (the angle Sun - body - Earth, radians), by the
// usual photometric fits; Saturn without the brightening of its rings.

// The Sun at `distance` AU from the Earth.
double SunMagnitude(double distance);

// The Moon at phase angle `phaseAngle` (0 full, pi new).
double MoonMagnitude(double phaseAngle);

// Planet 0..6 (Mercury .. Neptune) at `sunDistance` AU from the Sun and
// `earthDistance` AU from the Earth.
double PlanetMagnitude(int planet, double sunDistance, double earthDistance, double phaseAngle);

// The phase angle of a body at distances r from the Sun and delta from the
// Earth, with the Earth at R from the Sun.
double PhaseAngle(double r, double delta, double earthSunDistance);

}  // namespace kolvar
