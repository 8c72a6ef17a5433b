#include "appcore/print_texts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "astro/time_scales.h"
#include "catalog/runic_transliteration.h"

namespace kolvar {

namespace {

constexpr std::array<std::string_view, 12> MonthNames = {
    "janu\xE1r", "febru\xE1r", "m\xE1rcius", "\xE1prilis", "m\xE1jus", "j\xFAnius",
    "j\xFAlius", "augusztus", "szeptember", "okt\xF3" "ber", "november", "december"};
constexpr std::array<std::string_view, 7> WeekdayNames = {
    "vas\xE1rnap", "h\xE9tf\xF5", "kedd", "szerda", "cs\xFCt\xF6rt\xF6k", "p\xE9ntek", "szombat"};
constexpr double RadiansToDegrees = 57.29577951308232;

// "47°35' É": degrees and minutes, rounded to the minute.
std::string AngleText(double radians, std::string_view positive, std::string_view negative) {
    const long long minutes = std::llround(std::fabs(radians * RadiansToDegrees) * 60);
    char text[32];
    std::snprintf(text, sizeof text, "%lld\xB0%02lld' ", minutes / 60, minutes % 60);
    return text + std::string(radians < 0 ? negative : positive);
}

// "UTC+2", "UTC+5:30", "UTC" for zone 0.
std::string ZoneText(double hours) {
    const long long minutes = std::llround(std::fabs(hours) * 60);
    if (minutes == 0) return "UTC";
    char text[32];
    if (minutes % 60 == 0) std::snprintf(text, sizeof text, "UTC%c%lld", hours < 0 ? '-' : '+', minutes / 60);
    else std::snprintf(text, sizeof text, "UTC%c%lld:%02lld", hours < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

}  // namespace

PrintHeader PrintHeaderFor(const ObserverState& observer, std::string_view placeName, std::string_view title) {
    PrintHeader header;
    header.Title = title;
    header.RunicTitle = TransliterateToRunes(title, HungarianEncoding::Windows1250);
    // Longitudes past 180 degrees read as western ones, as the place dialog shows them.
    const double longitude = std::remainder(observer.Longitude, 2 * 3.141592653589793);
    header.Place = placeName.empty()
                       ? AngleText(observer.Latitude, "\xC9", "D") + ", " + AngleText(longitude, "K", "Ny")
                       : std::string(placeName);
    int weekday = 0;
    // Half a second on, so that an instant a hair before the minute shows that minute.
    const CalendarMoment m = CalendarFromJulianDay(observer.JulianDay + 0.5 / 86400,
                                                   static_cast<float>(observer.Zone), observer.SummerTime, &weekday);
    header.Date = std::to_string(m.Year) + ". " + std::string(MonthNames[static_cast<std::size_t>(m.Month - 1)]) +
                  " " + std::to_string(m.Day) + "., " + std::string(WeekdayNames[static_cast<std::size_t>(weekday)]);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%d:%02d", m.Hour, m.Minute);
    header.Time = std::string(clock) + " (" + ZoneText(observer.Zone + (observer.SummerTime ? 1 : 0)) + ")";
    return header;
}

}  // namespace kolvar
