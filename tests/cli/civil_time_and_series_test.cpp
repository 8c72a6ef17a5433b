// The instant as a civil date (--date, --zone, --summer) and render series
// (--from, --to, --step): each chart of a series is the single render of its
// instant, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli_options.h"
#include "cli/file_pattern.h"
#include "cli/render_series.h"
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
