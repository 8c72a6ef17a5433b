#include "cli/sky_options.h"

#include <string>

#include "astro/angles.h"
#include "cli/city_option.h"

namespace kolvar::cli {

namespace {}  // namespace

double ParseDegrees(std::string_view option, std::string_view text, double limit) {
    // A decimal comma, as the place dialog takes it: "47,5" is 47.5 degrees.
    std::string number(text);
    if (const std::size_t comma = number.find(',');
        comma != std::string::npos && number.find_first_of(".,", comma + 1) == std::string::npos &&
        number.find('.') == std::string::npos)
        number[comma] = '.';
    double degrees = 0.0;
    try {
        degrees = ParseFiniteDouble(option, number);
    } catch (const UsageError&) {
        ParseFiniteDouble(option, text);  // the message quotes the text as given
        throw;
    }
    if (degrees < -limit || degrees > limit) {
        throw UsageError(std::string(option) + ": " + QuoteForMessage(text) + " is outside -" +
                         std::to_string(static_cast<int>(limit)) + ".." +
                         std::to_string(static_cast<int>(limit)));
    }
    return degrees * RadiansPerDegree;
}

SkyRequest ParseSkyOptions(const ParsedOptions& options, ZoneUse zone) {
    SkyRequest r;
    r.Observer = StartingObserverState();
    r.Observer.JulianDay = JulianDayFromOptions(options, zone);
    if (const CityRecord* city = CityFromOptions(options)) {
        if (options.Has("--lat") || options.Has("--lon"))
            throw UsageError("--city gives the place; leave out --lat and --lon");
        r.Observer.Latitude = CityLatitude(*city);
        r.Observer.Longitude = CityLongitude(*city);
        r.PlaceName = city->Name;
    }
    if (auto lat = options.Value("--lat")) r.Observer.Latitude = ParseDegrees("--lat", *lat, 90.0);
    if (auto lon = options.Value("--lon")) r.Observer.Longitude = ParseDegrees("--lon", *lon, 360.0);
    if (auto size = options.Value("--size")) r.ChartSize = ParseSize("--size", *size, MaxChartSide);
    return r;
}

}  // namespace kolvar::cli
