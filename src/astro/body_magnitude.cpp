#include "astro/body_magnitude.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/angles.h"

namespace kolvar {

namespace {

// Magnitude at 1 AU from the Sun and the Earth and the phase terms per
// degree of phase angle (linear, square, cube), for Mercury .. Neptune.
struct PhaseFit {
    double Absolute, Linear, Square, Cube;
};
constexpr std::array<PhaseFit, 7> PlanetFits = {{
    {-0.42, 0.0380, -0.000273, 0.000002},
    {-4.40, 0.0009, 0.000239, -0.00000065},
    {-1.52, 0.016, 0.0, 0.0},
    {-9.40, 0.005, 0.0, 0.0},
    {-8.88, 0.0, 0.0, 0.0},
    {-7.19, 0.0, 0.0, 0.0},
    {-6.87, 0.0, 0.0, 0.0},
}};

}  // namespace

double SunMagnitude(double distance) { return -26.74 + 5.0 * std::log10(distance); }

double MoonMagnitude(double phaseAngle) {
    const double i = std::abs(phaseAngle) * DegreesPerRadian;
    return -12.73 + 0.026 * i + 4.0e-9 * i * i * i * i;
}

double PlanetMagnitude(int planet, double sunDistance, double earthDistance, double phaseAngle) {
    const PhaseFit& fit = PlanetFits[static_cast<std::size_t>(std::clamp(planet, 0, 6))];
    const double i = phaseAngle * DegreesPerRadian;
    return fit.Absolute + 5.0 * std::log10(sunDistance * earthDistance) + fit.Linear * i +
           fit.Square * i * i + fit.Cube * i * i * i;
}

double PhaseAngle(double r, double delta, double earthSunDistance) {
    const double c = (r * r + delta * delta - earthSunDistance * earthSunDistance) / (2.0 * r * delta);
    return std::acos(std::clamp(c, -1.0, 1.0));
}

}  // namespace kolvar
