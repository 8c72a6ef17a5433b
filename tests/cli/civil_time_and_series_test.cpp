// The instant as a civil date (--date, --zone, --summer) and render series
// (--from, --to, --step): each chart of a series is the single render of its
// instant, byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/file_pattern.h"
#include "cli/render_series.h"
#include "cli/sky_options.h"
#include "run_chart.h"

namespace kolvar::cli {
namespace {

namespace fs = std::filesystem;
using testing::FileText;

ParsedOptions Parse(std::vector<std::string> words, std::span<const OptionSpec> specs) {
    std::vector<char*> args;
    for (std::string& w : words) args.push_back(w.data());
    return ParseOptions(std::span<char* const>(args.data(), args.size()), specs);
}

constexpr OptionSpec TimeOptions[] = {JulianDayOption, DateOption, ZoneOption, SummerOption,
                                      FromOption,      ToOption,   StepOption};

TEST(CivilTimeOptions, DateZoneAndSummer) {
    auto jd = [](std::vector<std::string> words) { return JulianDayFromOptions(Parse(words, TimeOptions)); };
    EXPECT_EQ(jd({"--date", "2026-08-12T20:30", "--zone", "2"}), 2461265.2708333333);
    EXPECT_EQ(jd({"--date", "2026-08-12T20:30", "--zone", "1", "--summer"}), 2461265.2708333333);
    EXPECT_EQ(jd({"--date", "2026-08-12T18:30"}), 2461265.2708333333);
    EXPECT_EQ(jd({"--date", "2026-08-12T19:00", "--zone", "0.5"}), 2461265.2708333333);
    EXPECT_EQ(jd({"--date", "2000-01-01T12:00:00"}), 2451545.0);
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--jd", "2451545", "--date", "2000-01-01"},
                                               {"--zone", "2"},
                                               {"--jd", "2451545", "--summer"},
                                               {"--date", "2000-02-30"},
                                               {"--date", "2451545"},
                                               {"--date", "2000-01-01", "--zone", "25"},
                                               {"--date", "2000-01-01", "--zone", "+2h"},
                                               {"--date", "999999999-01-01"}}) {
        EXPECT_THROW(jd(bad), UsageError) << bad[0] << " " << bad[1];
    }
    // Instants of a series: dates and Julian days alike.
    EXPECT_EQ(ParseInstant("--from", "2451545", {}), 2451545.0);
    EXPECT_EQ(ParseInstant("--from", "-1.5e3", {}), -1500.0);
    EXPECT_EQ(ParseInstant("--from", "2000-01-01T13:00", {1.0, false, std::nullopt}), 2451545.0);
}

TEST(FilePattern, OneIntegerFieldFilledSafely) {
    const std::pair<const char*, const char*> good[] = {
        {"sky-%03d.png", "sky-007.png"},
        {"%d", "7"},
        {"a%%b%i.png", "a%b7.png"},
        {"x%-3u|", "x7  |"},
        {"%4d", "   7"},
        {"%%%02d%%", "%07%"},
    };
    for (const auto& [pattern, name] : good) EXPECT_EQ(FilePattern::Parse("--out", pattern).Name(7), name);
    EXPECT_EQ(FilePattern::Parse("--out", "m%02d").Name(123), "m123");
    for (const char* bad :
         {"sky.png", "%s.png", "%n", "%x", "%d-%d", "%%d", "%5$d", "%.3d", "%ld", "%1000d", "%", "%03"}) {
        EXPECT_THROW(FilePattern::Parse("--out", bad), UsageError) << bad;
    }
}

TEST(SeriesRequest, InstantsFromFromToTo) {
    auto instants = [](std::vector<std::string> words) {
        return ParseSeries(Parse(std::move(words), TimeOptions)).Instants;
    };
    const std::vector<double> hours = instants({"--from", "2451545", "--to", "2451546", "--step", "6h"});
    ASSERT_EQ(hours.size(), 5u);
    EXPECT_NEAR(hours[4], 2451546.0, 1e-9);
    const std::vector<double> months =
        instants({"--from", "2024-01-31T20:00", "--to", "2024-04-30T20:00", "--step", "1mo", "--zone", "2"});
    ASSERT_EQ(months.size(), 4u);
    EXPECT_EQ(months[1], ParseInstant("--to", "2024-02-29T20:00", {2.0, false, std::nullopt}));
    EXPECT_EQ(instants({"--from", "2451545", "--to", "2451545", "--step", "1y"}).size(), 1u);
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--from", "2451545", "--to", "2451546"},
             {"--from", "2451546", "--to", "2451545", "--step", "1d"},
             {"--from", "2451545", "--to", "2451546", "--step", "1 d"},
             {"--from", "2451545", "--to", "2551546", "--step", "1m"},  // over 100000 charts
             {"--jd", "2451545", "--from", "2451545", "--to", "2451546", "--step", "1d"}}) {
        EXPECT_THROW(instants(bad), UsageError) << bad[0] << " " << bad[1];
    }
}

// Summer time by rule: --city gives the town's place, zone and rule, --dst a
// rule of its own; each instant is read on the clock it has then.
TEST(SeriesRequest, SummerTimeByRuleAtEachInstant) {
    constexpr OptionSpec Options[] = {JulianDayOption, DateOption, ZoneOption, SummerOption,
                                      DstOption,       CityOption, LatOption,  LonOption,
                                      FromOption,      ToOption,   StepOption};
    auto series = [&](std::vector<std::string> words) {
        return ParseSeries(Parse(std::move(words), Options));
    };
    // A year of 21:00 in Szeged: 20:00 UT in winter, 19:00 UT in summer, changing on the EU dates.
    const SeriesRequest year = series(
        {"--city", "szeged", "--from", "2025-01-01T21:00", "--to", "2025-12-31T21:00", "--step", "1d"});
    ASSERT_EQ(year.Instants.size(), 365u);
    EXPECT_NEAR(year.Sky.Observer.Latitude * 180 / 3.141592653589793, 46.25, 0.05);
    for (std::size_t day = 0; day < year.Instants.size(); ++day) {
        const double clock = year.Instants[day] + 0.5 - std::floor(year.Instants[day] + 0.5);
        const bool summer = day >= 88 && day < 298;  // 30 March .. 25 October
        EXPECT_NEAR(clock * 24, summer ? 19.0 : 20.0, 1e-6) << "day " << day;
    }
    // The US rule: New York's summer time from 9 March to 2 November 2025, 02:00 local.
    auto jd = [&](std::vector<std::string> words) {
        return JulianDayFromOptions(Parse(std::move(words), Options));
    };
    const double utHour = 1.0 / 24;
    EXPECT_NEAR(jd({"--date", "2025-03-09T01:59", "--city", "New York"}), jd({"--date", "2025-03-09T06:59"}),
                1e-9);
    EXPECT_NEAR(jd({"--date", "2025-03-09T03:00", "--city", "New York"}), jd({"--date", "2025-03-09T07:00"}),
                1e-9);
    EXPECT_NEAR(jd({"--date", "2025-11-02T02:30", "--zone", "-5", "--dst", "us"}),
                jd({"--date", "2025-11-02T07:30"}), 1e-9);
    EXPECT_NEAR(jd({"--date", "2025-07-01T12:00", "--zone", "1", "--dst", "none"}) + utHour,
                jd({"--date", "2025-07-01T12:00"}), 1e-9);
    // A decimal comma as the place dialog takes it.
    EXPECT_EQ(
        series({"--lat", "47,5", "--lon", "-19,25", "--from", "2451545", "--to", "2451545", "--step", "1d"})
            .Sky.Observer.Longitude,
        -19.25 * 3.141592653589793 / 180);
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--city", "Paris"},                                       // three towns
             {"--city", "Atlantis"},                                    // none
             {"--city", "Sydney, Australia"},                           // a rule not known here
             {"--city", "Szeged", "--lat", "46"},                       // two places
             {"--city", "Szeged", "--summer", "--date", "2025-01-01"},  // two summer times
             {"--dst", "eu", "--jd", "2451545"},                        // nothing to apply to
             {"--dst", "mars", "--date", "2025-01-01"},                 // no such rule
             {"--lat", "47,5,1"}}) {
        EXPECT_THROW(ParseSkyOptions(Parse(bad, Options)), UsageError) << bad[0] << " " << bad[1];
    }
}

// A series holds as many charts as keep the workers busy, within 256 MB of bitmaps.
TEST(SeriesRequest, ChartsInFlightAreBoundedByMemory) {
    EXPECT_EQ(ChartsInFlight(8, {1024, 768}), 18u);
    EXPECT_EQ(ChartsInFlight(8, {4096, 4096}), 5u);
    EXPECT_EQ(ChartsInFlight(8, {8192, 8192}), 1u);
    EXPECT_EQ(ChartsInFlight(1, {64, 48}), 4u);
}

// Twelve months in one process equal twelve single renders of the same
// civil instants, pictures and objects tables alike; the paths come in order.
TEST(RenderSeries, EqualsTheSingleRenders) {
    const fs::path dir = fs::temp_directory_path() / ("kolvar-series-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string out = (dir / "m-%02d.png").string(), objects = (dir / "m-%02d.tsv").string();
    const testing::RunResult series = testing::RunChart(
        {"render", "--from", "2025-01-31T21:30", "--to", "2025-12-31T21:30", "--step", "1mo", "--zone", "1",
         "--size", "160x120", "--night", "--out", out, "--objects", objects});
    ASSERT_EQ(series.ExitStatus, 0) << series.Err;
    const std::vector<std::string> paths = testing::Lines(series.Out);
    ASSERT_EQ(paths.size(), 12u);
    const int lastDay[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        char date[32], name[16];
        std::snprintf(date, sizeof date, "2025-%02d-%02dT21:30", month, lastDay[month - 1]);
        std::snprintf(name, sizeof name, "m-%02d", month);
        EXPECT_EQ(paths[static_cast<std::size_t>(month - 1)], (dir / (std::string(name) + ".png")).string());
        const std::string png = dir / "single.png", tsv = dir / "single.tsv";
        const testing::RunResult single =
            testing::RunChart({"render", "--date", date, "--zone", "1", "--size", "160x120", "--night",
                               "--out", png, "--objects", tsv});
        ASSERT_EQ(single.ExitStatus, 0) << single.Err;
        EXPECT_EQ(FileText(png), FileText(dir / (std::string(name) + ".png"))) << date;
        EXPECT_EQ(FileText(tsv), FileText(dir / (std::string(name) + ".tsv"))) << date;
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace kolvar::cli
