#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolvar {

// A comet or minor planet as an orbital elements file describes it: the
// osculating two-body orbit referred to the ecliptic and equinox J2000, the
// instant the elements hold for and the parameters of its brightness.
enum class SmallBodyKind : std::uint8_t { MinorPlanet, Comet };

struct SmallBody {
    SmallBodyKind Kind = SmallBodyKind::MinorPlanet;
    std::string Designation;  // "4", "2010 AB12", "1P", "C/1995 O1" (ASCII)
    std::string Name;         // "Vesta", "Halley"; empty when it has none (UTF-8)

    double PerihelionDistance = 0.0;  // q, AU
    double Eccentricity = 0.0;        // 0 circle .. 1 parabola .. hyperbola
    double InclinationDeg = 0.0;      // to the ecliptic J2000, degrees
    double PerihelionDeg = 0.0;       // argument of perihelion, degrees
    double NodeDeg = 0.0;             // longitude of the ascending node, degrees
    double PerihelionTime = 0.0;      // Julian day (TT) of the perihelion passage
    double Epoch = 0.0;               // Julian day (TT) the elements osculate at

    // Minor planets: absolute magnitude H and slope G of the H, G system.
    // Comets: total magnitude m = M1 + 5 log10(delta) + K1 log10(r), with
    // Magnitude M1 and Slope K1. NaN Magnitude: brightness unknown.
    double Magnitude = 0.0;
    double Slope = 0.0;
};

// The text a user reads for a body: "(4) Vesta", "2010 AB12", "1P/Halley",
// "C/1995 O1 (Hale-Bopp)" (UTF-8).
std::string DisplayName(const SmallBody& body);

// Why the elements describe no orbit worth following, or nothing when they
// do: every value finite, 0 < q <= 10^5 AU, 0 <= e <= 100, inclination
// 0..180 degrees, the other angles within a turn either way, the epoch
// within Julian days 0 .. 10^7 and the perihelion within 10^9 days of day 0,
// a magnitude (when known) within -30 .. 40.
std::optional<std::string_view> ElementsProblem(const SmallBody& body);

}  // namespace kolvar
