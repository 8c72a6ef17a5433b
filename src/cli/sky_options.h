#pragma once

// The observer's place and instant and the chart size, as every subcommand
// that draws the chart takes them: the same options, defaults and messages.

#include <string>

#include "cli/cli_options.h"
#include "sky/observer_state.h"

namespace kolvar::cli {

inline constexpr int MaxChartSide = 8192;

inline constexpr OptionSpec LatOption{"--lat", "DEG",
                                      "latitude in degrees, north positive (default 47.5890)"};
inline constexpr OptionSpec LonOption{"--lon", "DEG",
                                      "longitude in degrees, east positive (default 19.0640)"};
inline constexpr OptionSpec SizeOption{"--size", "WxH", "chart size in pixels (default 1024x768)"};

struct SkyRequest {
    ObserverState Observer;  // the window's starting state with the options applied
    std::string PlaceName;   // the town of --city (Windows-1250), else empty
    Size ChartSize{1024, 768};
};

// Degrees within -limit..limit, with a decimal point or comma, as radians;
// anything else is a UsageError.
double ParseDegrees(std::string_view option, std::string_view text, double limit);

// Reads --jd (JulianDayFromOptions), --city (the town's place and name, in
// place of --lat and --lon), --lat, --lon and --size, in that order; a bad
// value is a UsageError.
SkyRequest ParseSkyOptions(const ParsedOptions& options, ZoneUse zone = ZoneUse::DateOnly);

}  // namespace kolvar::cli
