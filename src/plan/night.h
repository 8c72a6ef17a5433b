#pragma once

// The night at a place: from the Sun's upper culmination nearest the noon of
// a local date to the next one, the Sun's setting and rising, the ends of
// the three twilights, the dark hours, the Moon's rising, setting and phase,
// and the dark hours without the Moon. Rising and setting are those of the
// upper limb through the standard 34' of refraction (the Moon seen from the
// observer, its parallax included); twilights are the Sun's centre at -6,
// -12 and -18 degrees; all in the observer's true (geodetic) frame.

#include <optional>
#include <vector>

#include "astro/angles.h"
#include "astro/apparent_place.h"
#include "plan/crossings.h"

namespace kolvar {

// Refraction at the horizon, radians: what almanacs take for rising and setting.
inline constexpr double HorizonRefraction = 34.0 / 60.0 * Pi / 180.0;

// The Sun over the whole night.
enum class Daylight {
    Ordinary,    // it sets and rises
    PolarDay,    // it stays above the horizon
    PolarNight,  // it stays below
};

// How dark the darkest part of the night gets, and so which span the
// observing list looks at.
enum class Darkness {
    Astronomical,  // the Sun below -18 degrees
    Nautical,      // below -12 at most
    Civil,         // below -6 at most
    Twilight,      // below the horizon, never below -6
    None,          // polar day
};

// Going below a level in the evening, coming above it in the morning.
struct LevelCrossings {
    std::optional<double> Evening;
    std::optional<double> Morning;
};

struct Night {
    double Start = 0.0;     // the Sun's upper culmination (Julian day, UT)
    double End = 0.0;       // the next one
    double Midnight = 0.0;  // the Sun's lowest point between them
    Daylight Sun = Daylight::Ordinary;
    LevelCrossings Sunset;  // Evening is the sunset, Morning the sunrise
    LevelCrossings Civil, Nautical, Astronomical;
    Darkness Darkest = Darkness::None;
    // The span the observing list looks at: the Sun below the level of the
    // darkest twilight reached (below -18 when it gets astronomically dark).
    std::optional<Interval> Observing;
    double DarkHours = 0.0;                   // hours with the Sun below -18 degrees
    std::optional<double> Moonrise, Moonset;  // the first after Start
    double MoonPhaseAngle = 0.0;              // at Midnight: 0 new, pi full, reduced to 0..2 pi
    double MoonIlluminated = 0.0;             // the lit fraction of the disc, 0..1
    std::vector<Interval> MoonlessDark;       // the Sun below -18 and the Moon under the horizon
    double MoonlessDarkHours = 0.0;
};

// The night of the local date whose noon is near `noon` (Julian day, UT):
// the Sun's upper culmination nearest to it starts the night.
Night ComputeNight(const GeodeticPlace& site, double noon);

// The Sun's upper culmination nearest to `julianDay`.
double SolarCulmination(const GeodeticPlace& site, double julianDay);

// The phase's usual name: "new", "waxing crescent", "first quarter",
// "waxing gibbous", "full", "waning gibbous", "last quarter", "waning crescent".
const char* MoonPhaseName(double phaseAngle);

}  // namespace kolvar
