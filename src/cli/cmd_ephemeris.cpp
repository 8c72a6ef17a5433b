// kolvar-chart ephemeris: the geocentric positions of the Sun, the Moon and the
// seven planets exactly as the chart computes them.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "astro/transforms.h"
#include "cli/cli_options.h"
#include "cli/subcommands.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec EphemerisOptions[] = {
    JulianDayOption, DateOption, ZoneOption, SummerOption, DstOption,
};

constexpr CommandSpec EphemerisCommand{
    "ephemeris",
    "Prints nine tab-separated lines 'name ra dec distance' for Sun, Moon, Mercury .. Neptune:\n"
    "geocentric right ascension and declination in radians, distance in AU, 17 significant digits.",
    EphemerisOptions,
};

void PrintLine(const char* name, const SphericalPosition& position) {
    std::printf("%s\t%.17g\t%.17g\t%.17g\n", name, position.Longitude, position.Latitude, position.Distance);
}

int PrintEphemeris(const ParsedOptions& options) {
    const double julianDay = JulianDayFromOptions(options);

    const SunMoonResult state = SunMoonState(julianDay);
    std::vector<std::pair<std::string, SphericalPosition>> lines{{"Sun", state.SunEquatorial},
                                                                 {"Moon", state.MoonEquatorial}};
    for (int planet = 0; planet < PlanetCount; ++planet) {
        lines.emplace_back(
            std::string(PlanetTable[planet].Name),
            HeliocentricToEquatorial(PlanetHeliocentric(julianDay, planet), state.EarthHeliocentric));
    }
    for (const auto& [name, position] : lines) {
        PrintLine(name.c_str(), position);
    }
    return ExitSuccess;  // RunCommand reports a failure to write standard output
}

}  // namespace

std::optional<std::string> EphemerisRefusal(std::span<char* const> args) {
    return RefusalOf(EphemerisCommand, args,
                     [](const ParsedOptions& options) { JulianDayFromOptions(options); });
}

int RunEphemeris(std::span<char* const> args) { return RunCommand(EphemerisCommand, args, PrintEphemeris); }

}  // namespace kolvar::cli
