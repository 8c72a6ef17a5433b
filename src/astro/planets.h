#pragma once

#include <array>
#include <string_view>

#include "astro/spherical_position.h"

namespace kolvar {

// Mean elements: value at day 0 (JD 2451543.5) and rate per day.
struct PlanetElements {
    std::string_view Name;
    double Node, NodeRate;                    // degrees
    double Inclination, InclinationRate;      // degrees
    double Perihelion, PerihelionRate;        // argument of perihelion, degrees
    double SemiMajorAxis, SemiMajorAxisRate;  // AU
    double Eccentricity, EccentricityRate;
    double MeanAnomaly, MeanAnomalyRate;  // degrees
};

inline constexpr int PlanetCount = 7;  // Mercury .. Neptune
extern const std::array<PlanetElements, PlanetCount> PlanetTable;

// Descriptive record; row 0 is the Earth, row i+1 planet i.
struct PlanetInfo {
    char Name[24];  // Hungarian, Windows-1250, zero-terminated
    double Period;  // tropical years
    double SemiMajorAxis;
    double Eccentricity;
    double Inclination;          // degrees
    double Node;                 // degrees
    double PerihelionLongitude;  // degrees
    double EpochLongitude;       // degrees
    long double Epoch;           // Julian day
};
extern const std::array<PlanetInfo, 8> PlanetInfoTable;

// The names of the Sun, the Moon and the planets by body number (0 the Sun,
// 1 the Moon, 2..8 Mercury..Neptune, as the object table's first slots):
// the Hungarian one the labels show (Windows-1250, the planets' from
// PlanetInfoTable), the English and the Latin one. All empty for another number.
struct BodyNames {
    std::string_view Hungarian, English, Latin;
};
BodyNames SolarSystemBodyNames(int body);

// Heliocentric ecliptic position of planet 0..6; any other index throws int -1.
SphericalPosition PlanetHeliocentric(long double julianDay, int planet);

// The mean elements of planet 0..6 on a Julian day: angles in radians reduced
// to 0..2*pi, semi-major axis in AU. Same index rule as PlanetHeliocentric.
struct OrbitalElements {
    double Node = 0.0;
    double Inclination = 0.0;
    double Perihelion = 0.0;  // argument of perihelion
    double SemiMajorAxis = 0.0;
    double Eccentricity = 0.0;
    double MeanAnomaly = 0.0;
};
OrbitalElements PlanetElementsOn(long double julianDay, int planet);

// The two parts of PlanetHeliocentric: the Keplerian position from the mean
// elements, and the corrections (longitude, latitude in radians, distance 0)
// for the mutual disturbances of Jupiter, Saturn and Uranus (zero for the
// other planets). Same index rule.
SphericalPosition PlanetKeplerPosition(long double julianDay, int planet);
SphericalPosition PlanetPerturbation(long double julianDay, int planet);

SphericalPosition OrbitPositionAt(PlanetInfo info, double julianDay);
double TrueAnomalyAtEpoch(const PlanetInfo& info);
double MeanAnomalyFromTrue(double trueAnomaly, double eccentricity);
SphericalPosition OrbitPointFromTrue(const PlanetInfo& info, double trueAnomaly);

}  // namespace kolvar
