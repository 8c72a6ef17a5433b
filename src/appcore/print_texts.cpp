#include "appcore/print_texts.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "appcore/window_title.h"
#include "catalog/runic_transliteration.h"

namespace kolvar {

namespace {

constexpr double RadiansToDegrees = 57.29577951308232;

// "47°35' É": degrees and minutes, rounded to the minute.
std::string AngleText(double radians, std::string_view positive, std::string_view negative) {
    const long long minutes = std::llround(std::fabs(radians * RadiansToDegrees) * 60);
    char text[32];
    std::snprintf(text, sizeof text, "%lld\xB0%02lld' ", minutes / 60, minutes % 60);
    return text + std::string(radians < 0 ? negative : positive);
}

}  // namespace

PrintHeader PrintHeaderFor(const ObserverState& observer, std::string_view title) {
    PrintHeader header;
    header.Title = title;
    header.RunicTitle = TransliterateToRunes(title, HungarianEncoding::Windows1250);
    // Longitudes past 180 degrees read as western ones, as the place dialog shows them.
    const double longitude = std::remainder(observer.Longitude, 2 * 3.141592653589793);
    header.Place = observer.PlaceName.empty()
                       ? AngleText(observer.Latitude, "\xC9", "D") + ", " + AngleText(longitude, "K", "Ny")
                       : observer.PlaceName;
    const CivilInstantText when = CivilInstantTextOf(observer.JulianDay, observer.Zone, observer.SummerTime);
    header.Date = when.Date;
    header.Time = when.Clock;
    return header;
}

}  // namespace kolvar
