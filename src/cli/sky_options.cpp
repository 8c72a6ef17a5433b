#include "cli/sky_options.h"

#include <string>

namespace kolvar::cli {

namespace {

constexpr double DegreesToRadians = 3.141592653589793 / 180.0;

}  // namespace

double ParseDegrees(std::string_view option, std::string_view text, double limit) {
    const double degrees = ParseFiniteDouble(option, text);
    if (degrees < -limit || degrees > limit) {
        throw UsageError(std::string(option) + ": " + QuoteForMessage(text) + " is outside -" +
                         std::to_string(static_cast<int>(limit)) + ".." +
                         std::to_string(static_cast<int>(limit)));
    }
    return degrees * DegreesToRadians;
}

SkyRequest ParseSkyOptions(const ParsedOptions& options) {
    SkyRequest r;
    r.Observer = StartingObserverState();
    r.Observer.JulianDay = JulianDayFromOptions(options);
    if (auto lat = options.Value("--lat")) r.Observer.Latitude = ParseDegrees("--lat", *lat, 90.0);
    if (auto lon = options.Value("--lon")) r.Observer.Longitude = ParseDegrees("--lon", *lon, 360.0);
    if (auto size = options.Value("--size")) r.ChartSize = ParseSize("--size", *size, MaxChartSide);
    return r;
}

}  // namespace kolvar::cli
