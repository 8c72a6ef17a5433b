#include "cli/instant_text.h"

#include <cmath>
#include <cstdio>

#include "astro/time_scales.h"

namespace kolvar::cli {

std::string InstantText(const std::optional<double>& julianDay, const std::optional<CivilZone>& zone) {
    if (!julianDay) return "-";
    const double offsetHours = zone ? zone->OffsetAt(*julianDay) : 0.0;
    // Whole seconds from 1 January 2000, 0 h on the clock (Julian day 2451544.5).
    const auto seconds =
        static_cast<long long>(std::llround((*julianDay + offsetHours / 24 - 2451544.5) * 86400.0));
    const long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const long long inDay = seconds - days * 86400;
    const CalendarMoment date = CalendarFromJulianDay(2451545.0 + static_cast<double>(days), 0.0f, false);
    char text[64];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02lld:%02lld:%02lld", date.Year,
                                date.Month, date.Day, inDay / 3600, inDay / 60 % 60, inDay % 60);
    if (!zone) return std::string(text, static_cast<std::size_t>(n)) + "Z";
    const long long minutes = std::llround(std::fabs(offsetHours) * 60);
    std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), "%c%02lld:%02lld",
                  offsetHours < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

}  // namespace kolvar::cli
