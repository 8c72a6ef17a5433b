#include "astro/planets.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/kepler.h"

namespace kolvar {

constexpr std::array<PlanetElements, PlanetCount> PlanetTable = {{
    {"Mercury", 48.3313, 3.24587e-05, 7.0047, 5e-08, 29.1241, 1.01444e-05, 0.387098, 0, 0.205635, 5.59e-10,
     168.6562, 4.0923344368},
    {"Venus", 76.6799, 2.4659e-05, 3.3946, 2.75e-08, 54.891, 1.38374e-05, 0.72333, 0, 0.006773, -1.302e-09,
     48.0052, 1.6021302244},
    {"Mars", 49.5574, 2.11081e-05, 1.8497, -1.78e-08, 286.5016, 2.92961e-05, 1.523688, 0, 0.093405, 2.516e-09,
     18.6021, 0.5240207766},
    {"Jupiter", 100.4542, 2.76854e-05, 1.303, -1.557e-07, 273.8777, 1.64505e-05, 5.20256, 0, 0.048498,
     4.469e-09, 19.895, 0.0830853001},
    {"Saturn", 113.6634, 2.3898e-05, 2.4886, -1.081e-07, 339.3939, 2.97661e-05, 9.55475, 0, 0.055546,
     -9.499e-09, 316.967, 0.0334442282},
    {"Uranus", 74.0005, 1.3978e-05, 0.7733, 1.9e-08, 96.6612, 3.0565e-05, 19.18171, -1.55e-08, 0.047318,
     7.45e-09, 142.5905, 0.011725806},
    {"Neptune", 131.7806, 3.0173e-05, 1.77, -2.55e-07, 272.8461, -6.027e-06, 30.05826, 3.313e-08, 0.008606,
     2.15e-09, 260.2471, 0.005995147},
}};

// Names in Windows-1250.
const std::array<PlanetInfo, 8> PlanetInfoTable = {{
    {"F\xF6ld", 1.0, 1.0, 0.0167, 0, 0, 102.424, 99.9, 2450083.5L},
    {"Merk\xFAr", 0.2408, 0.387, 0.2056, 7.004, 47.976, 76.989, 11.3, 2450083.5L},
    {"V\xE9nusz", 0.6152, 0.723, 0.0068, 3.394, 76.401, 131.149, 359.91667, 2450083.5L},
    {"Mars", 1.8808, 1.524, 0.0934, 1.85, 49.326, 335.507, 304.26667, 2450083.5L},
    {"Jupiter", 11.862, 5.205, 0.0484, 1.306, 100.146, 13.839, 267.61667, 2450083.5L},
    {"Szaturnusz", 29.457, 9.576, 0.0557, 2.491, 113.395, 92.46, 354.98333, 2450083.5L},
    {"Ur\xE1nusz", 84.015, 19.281, 0.0471, 0.773, 73.847, 170.175, 300.36667, 2450083.5L},
    {"Neptunusz", 164.79, 30.142, 0.009, 1.774, 131.45, 44.362, 295.21667, 2450083.5L},
}};

BodyNames SolarSystemBodyNames(int body) {
    static constexpr std::array<std::array<std::string_view, 2>, 2 + PlanetCount> Others{{
        {"Sun", "Sol"},
        {"Moon", "Luna"},
        {"Mercury", "Mercurius"},
        {"Venus", "Venus"},
        {"Mars", "Mars"},
        {"Jupiter", "Iuppiter"},
        {"Saturn", "Saturnus"},
        {"Uranus", "Uranus"},
        {"Neptune", "Neptunus"},
    }};
    if (body < 0 || body >= 2 + PlanetCount) return {};
    const auto& other = Others[static_cast<std::size_t>(body)];
    const std::string_view hungarian = body == 0   ? "Nap"
                                       : body == 1 ? "Hold"
                                                   : PlanetInfoTable[static_cast<std::size_t>(body - 1)].Name;
    return {hungarian, other[0], other[1]};
}

namespace {

constexpr long double ElementZeroDay = 2451543.5L;
constexpr int Jupiter = 3;
constexpr int Saturn = 4;
constexpr int Uranus = 5;

void CheckPlanetIndex(int planet) {
    if (planet < 0 || planet >= PlanetCount) {
        throw -1;
    }
}

double Radians(long double degrees) { return static_cast<double>(degrees * Pi * (1.0L / 180)); }

// Element value on day d.
long double At(double value, double rate, long double d) { return value + rate * d; }

double MeanAnomalyOf(int planet, long double d) {
    const PlanetElements& p = PlanetTable[planet];
    return WrapTwoPi(Radians(At(p.MeanAnomaly, p.MeanAnomalyRate, d)));
}

// Phase angle of a perturbation term, degrees to extended-precision radians.
long double Phase(long double degrees) { return degrees * Pi * (1.0L / 180); }

double Sin(long double x) { return static_cast<double>(std::sin(x)); }

double Cos(long double x) { return static_cast<double>(std::cos(x)); }

}  // namespace

OrbitalElements PlanetElementsOn(long double julianDay, int planet) {
    CheckPlanetIndex(planet);
    const PlanetElements& p = PlanetTable[planet];
    const long double d = julianDay - ElementZeroDay;
    OrbitalElements elements;
    elements.Node = WrapTwoPi(Radians(At(p.Node, p.NodeRate, d)));
    elements.Inclination = WrapTwoPi(Radians(At(p.Inclination, p.InclinationRate, d)));
    elements.Perihelion = WrapTwoPi(Radians(At(p.Perihelion, p.PerihelionRate, d)));
    elements.SemiMajorAxis = static_cast<double>(At(p.SemiMajorAxis, p.SemiMajorAxisRate, d));
    elements.Eccentricity = static_cast<double>(At(p.Eccentricity, p.EccentricityRate, d));
    elements.MeanAnomaly = MeanAnomalyOf(planet, d);
    return elements;
}

SphericalPosition PlanetKeplerPosition(long double julianDay, int planet) {
    const OrbitalElements elements = PlanetElementsOn(julianDay, planet);
    const double node = elements.Node;
    const double incl = elements.Inclination;
    const double w = elements.Perihelion;
    const double m = elements.MeanAnomaly;
    const double a = elements.SemiMajorAxis;
    const double e = elements.Eccentricity;

    const double ecc = SolveKepler(m, e, 0.0);
    const double xv = a * (std::cos(ecc) - e);
    const double yv = a * std::sqrt(1.0 - e * e) * std::sin(ecc);
    const double r = std::sqrt(xv * xv + yv * yv);
    const double v = std::atan2(yv, xv);

    const double xh =
        r * (std::cos(node) * std::cos(v + w) - std::sin(node) * std::sin(v + w) * std::cos(incl));
    const double yh =
        r * (std::sin(node) * std::cos(v + w) + std::cos(node) * std::sin(v + w) * std::cos(incl));
    const double zh = r * std::sin(v + w) * std::sin(incl);
    return {std::atan2(yh, xh), std::atan2(zh, std::sqrt(xh * xh + yh * yh)), r};
}

SphericalPosition PlanetPerturbation(long double julianDay, int planet) {
    CheckPlanetIndex(planet);
    SphericalPosition correction;
    if (planet != Jupiter && planet != Saturn && planet != Uranus) {
        return correction;
    }
    const long double d = julianDay - ElementZeroDay;
    const long double mj = MeanAnomalyOf(Jupiter, d);
    const long double ms = MeanAnomalyOf(Saturn, d);
    const long double mu = MeanAnomalyOf(Uranus, d);

    double lonDegrees = 0.0;
    double latDegrees = 0.0;
    if (planet == Jupiter) {
        lonDegrees =
            -0.332 * Sin(2 * mj - 5 * ms - Phase(67.6L)) - 0.056 * Sin(2 * mj - 2 * ms + Phase(21.0L)) +
            0.042 * Sin(3 * mj - 5 * ms + Phase(21.0L)) - 0.036 * Sin(mj - 2 * ms) + 0.022 * Cos(mj - ms) +
            0.023 * Sin(2 * mj - 3 * ms + Phase(52.0L)) - 0.016 * Sin(mj - 5 * ms - Phase(69.0L));
    } else if (planet == Saturn) {
        lonDegrees = 0.812 * Sin(2 * mj - 5 * ms - Phase(67.6L)) -
                     0.229 * Cos(2 * mj - 4 * ms - Phase(2.0L)) + 0.119 * Sin(mj - 2 * ms - Phase(3.0L)) +
                     0.046 * Sin(2 * mj - 6 * ms - Phase(69.0L)) + 0.014 * Sin(mj - 3 * ms + Phase(32.0L));
        latDegrees =
            -0.020 * Cos(2 * mj - 4 * ms - Phase(2.0L)) + 0.018 * Sin(2 * mj - 6 * ms - Phase(49.0L));
    } else {
        lonDegrees = 0.040 * Sin(ms - 2 * mu + Phase(6.0L)) + 0.035 * Sin(ms - 3 * mu + Phase(33.0L)) -
                     0.015 * Sin(mj - mu + Phase(20.0L));
    }
    correction.Longitude = Radians(lonDegrees);
    correction.Latitude = Radians(latDegrees);
    return correction;
}

SphericalPosition PlanetHeliocentric(long double julianDay, int planet) {
    SphericalPosition position = PlanetKeplerPosition(julianDay, planet);
    const SphericalPosition correction = PlanetPerturbation(julianDay, planet);
    position.Longitude += correction.Longitude;
    position.Latitude += correction.Latitude;
    return position;
}

SphericalPosition OrbitPointFromTrue(const PlanetInfo& info, double trueAnomaly) {
    const double node = Radians(info.Node);
    const double incl = Radians(info.Inclination);
    const double u = trueAnomaly + Radians(info.PerihelionLongitude - info.Node);
    const double e = info.Eccentricity;

    SphericalPosition point;
    point.Latitude = std::asin(std::sin(u) * std::sin(incl));
    point.Longitude =
        std::atan2(std::sin(u) * std::cos(incl) * std::cos(node) + std::sin(node) * std::cos(u),
                   std::cos(node) * std::cos(u) - std::sin(u) * std::cos(incl) * std::sin(node));
    point.Distance = info.SemiMajorAxis * (1.0 - e * e) / (1.0 + e * std::cos(trueAnomaly));
    return point;
}

double TrueAnomalyAtEpoch(const PlanetInfo& info) {
    const double target = Radians(info.EpochLongitude);
    double v = 0.0;
    for (int step = 0; step < MaxIterationSteps; ++step) {
        const double k = WrapPi(target - OrbitPointFromTrue(info, v).Longitude);
        v = WrapPi(v + k);
        if (std::fabs(k) <= 1e-12) {
            break;
        }
    }
    return v;
}

double MeanAnomalyFromTrue(double trueAnomaly, double eccentricity) {
    const double e = eccentricity;
    const double root = std::sqrt(1.0 - e * e);
    const double scale = (1.0 - e * e) * (1.0 + e * std::cos(trueAnomaly));
    const double ecc = std::atan2(root * std::sin(trueAnomaly) / scale, (std::cos(trueAnomaly) + e) / scale);
    return ecc - e * root * std::sin(trueAnomaly) / (1.0 + e * std::cos(trueAnomaly));
}

SphericalPosition OrbitPositionAt(PlanetInfo info, double julianDay) {
    const double e = info.Eccentricity;
    const long double revolutions =
        (DaysToTropicalYears(julianDay) - DaysToTropicalYears(info.Epoch)) / info.Period;
    const long double f = MeanAnomalyFromTrue(TrueAnomalyAtEpoch(info), e) * (1.0 / Pi) * 0.5 + revolutions;
    const auto fraction = static_cast<double>(f - std::floor(f));

    double v = TwoPi * fraction;
    for (int step = 0; step < MaxIterationSteps; ++step) {
        const double k = WrapPi((fraction - MeanAnomalyFromTrue(v, e) / TwoPi) * TwoPi);
        v = WrapPi(v + k);
        if (std::fabs(k) <= 1e-12) {
            break;
        }
    }
    return OrbitPointFromTrue(info, v);
}

}  // namespace kolvar
