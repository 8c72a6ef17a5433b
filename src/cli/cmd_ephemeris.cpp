// kolvar-chart ephemeris: the geocentric positions of the Sun, the Moon and the
// seven planets exactly as the chart computes them; with --body those of a
// comet or minor planet, at one instant or a series of them.

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "astro/planets.h"
#include "astro/small_body_place.h"
#include "astro/sun_moon.h"
#include "astro/transforms.h"
#include "cli/cli_options.h"
#include "cli/render_series.h"
#include "cli/small_body_options.h"
#include "cli/subcommands.h"
#include "identify/search_key.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec BodyOption{
    "--body", "NAME", "a kept comet or minor planet ('1P', 'Halley', '4', 'Vesta') instead of the nine"};

constexpr OptionSpec EphemerisOptions[] = {
    JulianDayOption, DateOption, ZoneOption, SummerOption, DstOption,
    BodyOption,      FromOption, ToOption,   StepOption,   ElementsOption,
};

constexpr CommandSpec EphemerisCommand{
    "ephemeris",
    "Prints nine tab-separated lines 'name ra dec distance' for Sun, Moon, Mercury .. Neptune:\n"
    "geocentric right ascension and declination in radians, distance in AU, 17 significant digits.\n"
    "With --body NAME, one line 'name jd ra dec delta r magnitude' per body NAME names and\n"
    "instant (--jd or --date, or --from, --to and --step): the geocentric astrometric J2000 place\n"
    "of the two-body orbit, corrected for light time, delta and r the distances from the Earth\n"
    "and the Sun in AU, '-' for an unknown magnitude. No body of that name: status 1.",
    EphemerisOptions,
};

// What --body asks for: the name and the instants.
struct BodyRequest {
    std::string Name;
    std::vector<double> Instants;
};

std::optional<BodyRequest> ParseBodyRequest(const ParsedOptions& options) {
    CheckElementsOption(options);
    const auto name = options.Value(BodyOption.Name);
    const bool series = WantsSeries(options);
    if (!name) {
        if (series) throw UsageError("--from, --to and --step go with --body");
        if (options.Has(ElementsOption.Name)) throw UsageError("--elements goes with --body");
        return std::nullopt;
    }
    if (name->empty()) throw UsageError("--body: expected a name");
    if (!IsWellFormedUtf8(*name)) throw UsageError("--body is not UTF-8 text");
    BodyRequest r{std::string(*name), {}};
    if (series)
        r.Instants = SeriesInstants(options);
    else
        r.Instants.push_back(JulianDayFromOptions(options));
    return r;
}

int PrintBody(const BodyRequest& request, const ParsedOptions& options) {
    const std::vector<SmallBody> bodies = SmallBodiesForRun(options, EphemerisCommand.Name);
    const std::vector<std::size_t> found = MatchSmallBodies(bodies, request.Name);
    if (found.empty()) {
        std::fprintf(stderr, "%s ephemeris: no %sbody is named %s\n", ProgramName.data(),
                     options.Has(ElementsOption.Name) ? "" : "kept ", QuoteForMessage(request.Name).c_str());
        return ExitFailure;
    }
    std::vector<SmallBody> chosen;
    for (std::size_t k : found) chosen.push_back(bodies[k]);
    for (double jd : request.Instants) {
        const std::vector<SmallBodyPlace> places = SmallBodyPlaces(chosen, jd);
        for (std::size_t k = 0; k < chosen.size(); ++k) {
            const SmallBodyPlace& p = places[k];
            std::printf("%s\t%.17g\t", DisplayName(chosen[k]).c_str(), jd);
            if (!p.Valid) {
                std::printf("-\t-\t-\t-\t-\n");
                continue;
            }
            std::printf("%.17g\t%.17g\t%.17g\t%.17g\t", p.RightAscension, p.Declination, p.EarthDistance,
                        p.SunDistance);
            if (std::isnan(p.Magnitude))
                std::printf("-\n");
            else
                std::printf("%.17g\n", p.Magnitude);
        }
    }
    return ExitSuccess;
}

void PrintLine(const char* name, const SphericalPosition& position) {
    std::printf("%s\t%.17g\t%.17g\t%.17g\n", name, position.Longitude, position.Latitude, position.Distance);
}

int PrintEphemeris(const ParsedOptions& options) {
    if (const auto body = ParseBodyRequest(options)) return PrintBody(*body, options);
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
    return RefusalOf(EphemerisCommand, args, [](const ParsedOptions& options) {
        if (!ParseBodyRequest(options)) JulianDayFromOptions(options);
    });
}

int RunEphemeris(std::span<char* const> args) { return RunCommand(EphemerisCommand, args, PrintEphemeris); }

}  // namespace kolvar::cli
