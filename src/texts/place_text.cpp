#include "texts/place_text.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "astro/angles.h"
#include "canvas/cp1250.h"

namespace kolvar {

namespace {

// Windows-1250.
constexpr std::string_view North = "\xC9", South = "D", East = "K", West = "Ny";

// "47°35′ É": degrees and minutes, rounded to the minute.
std::string AngleText(double degrees, std::string_view positive, std::string_view negative,
                      PlaceTextEncoding encoding) {
    const bool utf8 = encoding == PlaceTextEncoding::Utf8;
    const long long minutes = std::llround(std::fabs(degrees) * 60);
    char text[48];
    std::snprintf(text, sizeof text, utf8 ? "%lld\u00B0%02lld\u2032 " : "%lld\xB0%02lld' ", minutes / 60,
                  minutes % 60);
    const std::string_view letter = degrees < 0 ? negative : positive;
    return text + (utf8 ? Cp1250ToUtf8(letter) : std::string(letter));
}

}  // namespace

std::string PlaceText(double longitudeRadians, double latitudeRadians, PlaceTextEncoding encoding) {
    const double x = std::cos(longitudeRadians) * std::cos(latitudeRadians);
    const double y = std::sin(longitudeRadians) * std::cos(latitudeRadians);
    const double z = std::sin(latitudeRadians);
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return "?";
    const double lon = std::atan2(y, x) * DegreesPerRadian;
    const double lat = std::atan2(z, std::sqrt(x * x + y * y)) * DegreesPerRadian;
    return AngleText(lat, North, South, encoding) + ", " + AngleText(lon, East, West, encoding);
}

}  // namespace kolvar
