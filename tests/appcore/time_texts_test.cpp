#include "appcore/time_texts.h"

#include <gtest/gtest.h>

#include "appcore/ini_file.h"
#include "appcore/time_step_settings.h"
#include "appcore/window_title.h"

namespace kolvar {
namespace {

constexpr double Deg = 3.141592653589793 / 180;

TEST(WindowTitle, CivilInstantWeekdayZoneAndPlace) {
    const double evening = 2461265.2708333333;  // 2026-08-12 18:30 UT
    const double lon = 0.3327296, lat = 0.8305847;
    struct Case {
        double JulianDay, Zone;
        bool Summer;
        double Longitude, Latitude;
        const char* Title;
    } cases[] = {
        {evening, 2, false, lon, lat,
         "Kolvar — 2026. augusztus 12., szerda 20:30 (UTC+2) — 47°35′ É, 19°04′ K"},
        {evening, 1, true, lon, lat,
         "Kolvar — 2026. augusztus 12., szerda 20:30 (UTC+2) — 47°35′ É, 19°04′ K"},
        {evening, 5.5, false, lon, lat,
         "Kolvar — 2026. augusztus 13., csütörtök 0:00 (UTC+5:30) — 47°35′ É, 19°04′ K"},
        {evening, -3.5, false, lon, lat,
         "Kolvar — 2026. augusztus 12., szerda 15:00 (UTC-3:30) — 47°35′ É, 19°04′ K"},
        // West stored as a full turn less its value, south as negative; the
        // minutes round, carrying into the degrees.
        {evening, 0, false, 2 * 3.141592653589793 - 151.2 * Deg, -33.9999 * Deg,
         "Kolvar — 2026. augusztus 12., szerda 18:30 (UTC) — 34°00′ D, 151°12′ Ny"},
        // A hair before midnight at the end of a year is the new year's first minute.
        {2461406.5 - 0.3 / 86400, 0, false, 0, 0,
         "Kolvar — 2027. január 1., péntek 0:00 (UTC) — 0°00′ É, 0°00′ K"},
        // Half a second before it is still the old day's last minute, as the print header shows it.
        {2461406.5 - 0.5 / 86400, 0, false, 0, 0,
         "Kolvar — 2026. december 31., csütörtök 23:59 (UTC) — 0°00′ É, 0°00′ K"},
        {2451544.5, 0, false, 0, 0, "Kolvar — 2000. január 1., szombat 0:00 (UTC) — 0°00′ É, 0°00′ K"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowTitle(c.JulianDay, c.Zone, c.Summer, c.Longitude, c.Latitude), c.Title);
    // Three steps of an hour add up to a clock three hours later, not 23:29.
    const double later = StepJulianDay(evening, TimeStep{}, 3, 2, false);
    EXPECT_NE(WindowTitle(later, 2, false, lon, lat).find(" 23:30 "), std::string::npos);
}

TEST(ParseCivilDateTime, DatesAndTimes) {
    const std::pair<const char*, CivilDateTime> good[] = {
        {"2026-08-12T20:30:15.25", {2026, 8, 12, 20, 30, 15.25}},
        {"-0500-03-01", {-500, 3, 1, 0, 0, 0}},
        {"2024-02-29", {2024, 2, 29, 0, 0, 0}},
        {"12026-01-01T00:00", {12026, 1, 1, 0, 0, 0}},
        {"2026-12-31T23:59:59", {2026, 12, 31, 23, 59, 59}}};
    for (const auto& [text, civil] : good) EXPECT_EQ(ParseCivilDateTime(text).Optional(), civil) << text;
    for (const char* bad :
         {"", "x", "2025-02-29", "2026-13-01", "2026-00-10", "2026-8-12", "2026-08-12T24:00",
          "2026-08-12T20:60", "2026-08-12T20:30:60", "2026-08-12T20", "2026-08-12 20:30",
          "2026-08-12T20:30:", "2026-08-12T20:30:15.", "2026-08-12Z", "+2026-08-12", "1234567890-01-01"}) {
        const Outcome<CivilDateTime> refused = ParseCivilDateTime(bad);
        EXPECT_FALSE(refused) << bad;
        EXPECT_FALSE(refused.Error().empty()) << bad;
    }
    // The time dialog's conversion: 20:30 at UT + 2 h is 18:30 UT.
    EXPECT_EQ(JulianDayOfCivil(*ParseCivilDateTime("2026-08-12T20:30"), 2, false), 2461265.2708333333);
    EXPECT_EQ(JulianDayOfCivil(*ParseCivilDateTime("2026-08-12T20:30"), 1, true), 2461265.2708333333);
}

TEST(TimeStepText, UnitsCountsAndMistakes) {
    const std::pair<const char*, TimeStep> good[] = {
        {"10m", {TimeStepUnit::Minute, 10}},
        {"1h", {TimeStepUnit::Hour, 1}},
        {"1d", {TimeStepUnit::Day, 1}},
        {"1sd", {TimeStepUnit::SiderealDay, 1}},
        {"2w", {TimeStepUnit::Week, 2}},
        {"1lm", {TimeStepUnit::LunarMonth, 1}},
        {"3mo", {TimeStepUnit::CalendarMonth, 3}},
        {"100000y", {TimeStepUnit::Year, 100000}},
    };
    for (const auto& [text, step] : good) {
        EXPECT_EQ(ParseTimeStep(text), step) << text;
        EXPECT_EQ(FormatTimeStep(step), text);
    }
    for (const char* bad : {"", "h", "0h", "1", "1x", "1 h", "-1h", "+1h", "1H", "100001m", "1mon", "1.5h"})
        EXPECT_FALSE(ParseTimeStep(bad)) << bad;
}

TEST(TimeStepSettings, SectionOfItsOwn) {
    const TimeStepSettings none = ReadTimeStepSettings(IniFile::Parse("[LOCALTIME]\nZone=2\n"));
    EXPECT_EQ(none.Step, TimeStep{});
    EXPECT_FALSE(none.RunningClock);
    for (const char* fallback :
         {"[TIMESTEP]\nStep=\n", "[TIMESTEP]\nStep=10m\n", "[TIMESTEP]\nStep=fortnight\n"})
        EXPECT_EQ(ReadTimeStepSettings(IniFile::Parse(fallback)).Step, TimeStep{}) << fallback;
    const TimeStepSettings kept =
        ReadTimeStepSettings(IniFile::Parse("[timestep]\r\nStep=1mo\r\nRunningClock=1\r\n"));
    EXPECT_EQ(kept.Step, (TimeStep{TimeStepUnit::CalendarMonth, 1}));
    EXPECT_TRUE(kept.RunningClock);

    // Written beside the other sections, which stay as they were.
    IniFile ini = IniFile::Parse("[LOCALTIME]\r\nZone=2\r\n; note\r\n");
    WriteTimeStepSettings(ini, {{TimeStepUnit::SiderealDay, 1}, true});
    EXPECT_EQ(ini.Text(), "[LOCALTIME]\r\nZone=2\r\n; note\r\n[TIMESTEP]\r\nStep=1sd\r\nRunningClock=1\r\n");
}

}  // namespace
}  // namespace kolvar
