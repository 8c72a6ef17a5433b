#include "appcore/window_title.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "astro/time_scales.h"
#include "canvas/cp1250.h"

namespace kolvar {

namespace {

// Windows-1250.
constexpr std::array<std::string_view, 12> MonthNames = {"janu\xE1r",
                                                         "febru\xE1r",
                                                         "m\xE1rcius",
                                                         "\xE1prilis",
                                                         "m\xE1jus",
                                                         "j\xFAnius",
                                                         "j\xFAlius",
                                                         "augusztus",
                                                         "szeptember",
                                                         "okt\xF3"
                                                         "ber",
                                                         "november",
                                                         "december"};
constexpr std::array<std::string_view, 7> WeekdayNames = {
    "vas\xE1rnap", "h\xE9tf\xF5", "kedd", "szerda", "cs\xFCt\xF6rt\xF6k", "p\xE9ntek", "szombat"};
constexpr std::string_view North = "\xC9", South = "D", East = "K", West = "Ny";

constexpr std::string_view Dash = " \u2014 ";
constexpr std::string_view Degree = "\u00B0";
constexpr std::string_view MinuteSign = "\u2032";
constexpr double RadiansToDegrees = 57.29577951308232;
// Seconds added before the clock is cut to the minute: just under a half.
constexpr double SecondRounding = 0.499;

std::string Format(const char* format, long long a, long long b) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// "UTC+2", "UTC+5:30", "UTC-3:30", "UTC" for zone 0.
std::string ZoneText(double zoneHours, bool summerTime) {
    const double hours = zoneHours + (summerTime ? 1 : 0);
    if (!(std::fabs(hours) < 1e6)) return "UTC?";
    const long long minutes = std::llround(std::fabs(hours) * 60);
    if (minutes == 0) return "UTC";
    const char* sign = hours < 0 ? "UTC-" : "UTC+";
    if (minutes % 60 == 0) return sign + std::to_string(minutes / 60);
    return sign + Format("%lld:%02lld", minutes / 60, minutes % 60);
}

// "47°35′ É": degrees and minutes, rounded to the minute.
std::string AngleText(double degrees, std::string_view positive, std::string_view negative) {
    const long long minutes = std::llround(std::fabs(degrees) * 60);
    return std::to_string(minutes / 60) + std::string(Degree) + Format("%02lld", minutes % 60, 0) +
           std::string(MinuteSign) + " " + Cp1250ToUtf8(degrees < 0 ? negative : positive);
}

std::string PlaceText(double longitude, double latitude) {
    // As a direction, the way the place dialog normalises it.
    const double x = std::cos(longitude) * std::cos(latitude);
    const double y = std::sin(longitude) * std::cos(latitude);
    const double z = std::sin(latitude);
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return "?";
    const double lon = std::atan2(y, x) * RadiansToDegrees;
    const double lat = std::atan2(z, std::sqrt(x * x + y * y)) * RadiansToDegrees;
    return AngleText(lat, North, South) + ", " + AngleText(lon, East, West);
}

std::string InstantText(double julianDay, double zoneHours, bool summerTime) {
    if (!std::isfinite(julianDay)) return "?";
    const CivilInstantText text = CivilInstantTextOf(julianDay, zoneHours, summerTime);
    return Cp1250ToUtf8(text.Date + " " + text.Clock);
}

}  // namespace

CivilInstantText CivilInstantTextOf(double julianDay, double zoneHours, bool summerTime) {
    if (!std::isfinite(julianDay)) return {"?", "?"};
    int weekday = 0;
    // Rounded to the second, so that a clock time a hair below the minute
    // (after steps of a fraction of a day) shows that minute; a half second
    // itself stays in its minute (23:59:59.5 is not yet the next day).
    const CalendarMoment m = CalendarFromJulianDay(julianDay + SecondRounding / 86400,
                                                   static_cast<float>(zoneHours), summerTime, &weekday);
    return {std::to_string(m.Year) + ". " + std::string(MonthNames[static_cast<std::size_t>(m.Month - 1)]) +
                " " + std::to_string(m.Day) + "., " +
                std::string(WeekdayNames[static_cast<std::size_t>(weekday)]),
            Format("%lld:%02lld", m.Hour, m.Minute) + " (" + ZoneText(zoneHours, summerTime) + ")"};
}

std::string WindowTitle(double julianDay, double zoneHours, bool summerTime, double longitude,
                        double latitude) {
    return "Kolvar" + std::string(Dash) + InstantText(julianDay, zoneHours, summerTime) + std::string(Dash) +
           PlaceText(longitude, latitude);
}

}  // namespace kolvar
