// kolvar-chart ephemeris: the geocentric positions of the Sun, the Moon and the
// seven planets exactly as the chart computes them.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "astro/ephemeris_range.h"
#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "astro/time_scales.h"
#include "astro/transforms.h"
#include "cli/cli_options.h"
#include "cli/subcommands.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec EphemerisOptions[] = {
    {"--jd", "JD", "Julian day (UT); default: the system clock read as zone +1 h, no summer time"},
};

constexpr CommandSpec EphemerisCommand{
    "ephemeris",
    "Prints nine tab-separated lines 'name ra dec distance' for Sun, Moon, Mercury .. Neptune:\n"
    "geocentric right ascension and declination in radians, distance in AU, 17 significant digits.",
    EphemerisOptions,
};

// The instant the main window starts with: the local clock taken as zone
// +1 h without summer time.
double StartUpJulianDay() {
    const CalendarMoment now = ReadSystemClock();
    return static_cast<double>(
        JulianDayFromCalendar(now.Year, now.Month, now.Day, now.Hour, now.Minute, now.Second, false, 1.0));
}

void PrintLine(const char* name, const SphericalPosition& position) {
    std::printf("%s\t%.17g\t%.17g\t%.17g\n", name, position.Longitude, position.Latitude, position.Distance);
}

int PrintEphemeris(const ParsedOptions& options) {
    const auto jdText = options.Value("--jd");
    const double julianDay = jdText ? ParseFiniteDouble("--jd", *jdText) : StartUpJulianDay();
    if (!ElementsCoverDay(julianDay)) {
        throw UsageError("--jd: outside the range of the orbital elements: " + QuoteForMessage(jdText.value_or("")));
    }

    const SunMoonResult state = SunMoonState(julianDay);
    std::vector<std::pair<std::string, SphericalPosition>> lines{{"Sun", state.SunEquatorial},
                                                                  {"Moon", state.MoonEquatorial}};
    for (int planet = 0; planet < PlanetCount; ++planet) {
        lines.emplace_back(std::string(PlanetTable[planet].Name),
                           HeliocentricToEquatorial(PlanetHeliocentric(julianDay, planet), state.EarthHeliocentric));
    }
    for (const auto& [name, position] : lines) {
        PrintLine(name.c_str(), position);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "%s ephemeris: cannot write the output\n", ProgramName.data());
        return ExitFailure;
    }
    return ExitSuccess;
}

}  // namespace

int RunEphemeris(std::span<char* const> args) {
    return RunCommand(EphemerisCommand, args, PrintEphemeris);
}

}  // namespace kolvar::cli
