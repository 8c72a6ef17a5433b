#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include "astro/angles.h"
#include "astro/planets.h"
#include "astro/sun_moon.h"
#include "astro/time_scales.h"
#include "astro/transforms.h"
#include "run_chart.h"

namespace kolvar::cli {
namespace {

using testing::Fields;
using testing::Lines;
using testing::RunChart;

const char* const BodyNames[] = {"Sun",     "Moon",   "Mercury", "Venus",  "Mars",
                                 "Jupiter", "Saturn", "Uranus",  "Neptune"};

// Nine lines of name and three numbers; the numbers are returned in order.
std::vector<double> CheckFormat(const std::string& out) {
    const std::vector<std::string> lines = Lines(out);
    EXPECT_EQ(lines.size(), 9u);
    EXPECT_FALSE(out.empty() || out.back() != '\n');
    std::vector<double> numbers;
    for (std::size_t i = 0; i < lines.size() && i < 9; ++i) {
        const std::vector<std::string> fields = Fields(lines[i], '\t');
        EXPECT_EQ(fields.size(), 4u) << lines[i];
        if (fields.size() != 4) {
            continue;
        }
        EXPECT_EQ(fields[0], BodyNames[i]);
        for (int k = 1; k <= 3; ++k) {
            char* end = nullptr;
            numbers.push_back(std::strtod(fields[k].c_str(), &end));
            EXPECT_EQ(*end, '\0') << fields[k];
        }
    }
    return numbers;
}

TEST(EphemerisCommand, PrintsWhatTheChartComputes) {
    const testing::RunResult run = RunChart({"ephemeris", "--jd", "2451545"});
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_TRUE(run.Err.empty());
    const std::vector<double> numbers = CheckFormat(run.Out);
    ASSERT_EQ(numbers.size(), 27u);

    const SunMoonResult state = SunMoonState(2451545.0L);
    std::vector<SphericalPosition> expected{state.SunEquatorial, state.MoonEquatorial};
    for (int i = 0; i < PlanetCount; ++i) {
        expected.push_back(
            HeliocentricToEquatorial(PlanetHeliocentric(2451545.0L, i), state.EarthHeliocentric));
    }
    for (std::size_t i = 0; i < 9; ++i) {
        // 17 significant digits carry every double exactly.
        EXPECT_EQ(numbers[3 * i], expected[i].Longitude) << BodyNames[i];
        EXPECT_EQ(numbers[3 * i + 1], expected[i].Latitude) << BodyNames[i];
        EXPECT_EQ(numbers[3 * i + 2], expected[i].Distance) << BodyNames[i];
    }
}

TEST(EphemerisCommand, JoinedValueAndNegativeDay) {
    const testing::RunResult joined = RunChart({"ephemeris", "--jd=2460000.5"});
    EXPECT_EQ(joined.ExitStatus, 0);
    CheckFormat(joined.Out);
    const testing::RunResult negative = RunChart({"ephemeris", "--jd", "-100000"});
    EXPECT_EQ(negative.ExitStatus, 0);
    CheckFormat(negative.Out);
}

TEST(EphemerisCommand, DefaultsToTheTrueCurrentInstant) {
    // The system clock in UTC, whatever the local zone; the Moon moves about
    // half a degree an hour, so an hour's error shows clearly.
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    const double jd = static_cast<double>(JulianDayFromCalendar(
        utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, false, 0.0));
    const testing::RunResult run = RunChart({"ephemeris"});
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    const std::vector<double> numbers = CheckFormat(run.Out);
    ASSERT_EQ(numbers.size(), 27u);
    const SunMoonResult state = SunMoonState(jd);
    EXPECT_NEAR(std::remainder(numbers[3] - state.MoonEquatorial.Longitude, TwoPi), 0.0, 1.5e-3);
}

TEST(EphemerisCommand, HelpExitsZero) {
    for (const auto& args :
         {std::vector<std::string>{"ephemeris", "--help"}, std::vector<std::string>{"ephemeris", "-h"},
          std::vector<std::string>{"--help"}}) {
        const testing::RunResult run = RunChart(args);
        EXPECT_EQ(run.ExitStatus, 0);
        EXPECT_NE(run.Out.find("usage: kolvar-chart"), std::string::npos);
        EXPECT_TRUE(run.Err.empty());
    }
    EXPECT_NE(RunChart({"--help"}).Out.find("ephemeris"), std::string::npos);
    EXPECT_NE(RunChart({"ephemeris", "--help"}).Out.find("--jd JD"), std::string::npos);
}

TEST(EphemerisCommand, BadInputGivesOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"nosuchcommand"},
        {"ephemeris", "--jd"},
        {"ephemeris", "--jd", "abc"},
        {"ephemeris", "--jd", "2451545x"},
        {"ephemeris", "--jd", "nan"},
        {"ephemeris", "--jd", "inf"},
        {"ephemeris", "--jd", "1e400"},
        // Finite days where the elements give no orbit: all bodies, or Saturn alone.
        {"ephemeris", "--jd", "1e12"},
        {"ephemeris", "--jd", "-1e8"},
        {"ephemeris", "--jd", ""},
        {"ephemeris", "--jd", "1", "--jd", "2"},
        {"ephemeris", "--lat", "47"},
        {"ephemeris", "extra"},
    };
    for (const auto& args : cases) {
        const testing::RunResult run = RunChart(args);
        std::string shown;
        for (const std::string& a : args) {
            shown += a + " ";
        }
        EXPECT_EQ(run.ExitStatus, 2) << shown;
        EXPECT_TRUE(run.Out.empty()) << shown;
        EXPECT_EQ(Lines(run.Err).size(), 1u) << shown << ": " << run.Err;
        EXPECT_EQ(run.Err.rfind("kolvar-chart", 0), 0u) << run.Err;
    }
}

}  // namespace
}  // namespace kolvar::cli
