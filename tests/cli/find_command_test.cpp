// kolvar-chart find as scripts use it: the header and the line of a found
// object (placed where render places it), status 1 when nothing is found,
// status 2 for bad input.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "run_chart.h"

namespace kolvar::cli {
namespace {

using testing::Fields;
using testing::Lines;
using testing::RunChart;

const std::vector<std::string> Evening{"--jd", "2460536.375", "--size", "800x600"};

std::vector<std::string> Find(std::vector<std::string> args) {
    args.insert(args.begin(), "find");
    args.insert(args.end(), Evening.begin(), Evening.end());
    return args;
}

class FindCommand : public testing::ScratchOutputs {
protected:
    FindCommand() : ScratchOutputs("find") {}
};

TEST_F(FindCommand, PrintsTheHeaderAndPlacesTheObjectAsRenderDoes) {
    const auto run = RunChart(Find({"alfa lyr"}));
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "slot\tkind\tindex\tname\tazimuth\taltitude\tx\ty\tvisible\trise\ttransit\tset");
    const auto f = Fields(lines[1], '\t');
    ASSERT_EQ(f.size(), 12u);
    EXPECT_EQ(f[0], "1961");
    EXPECT_EQ(f[3], "Vega");
    const std::regex utc(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");
    for (std::size_t i = 9; i < 12; ++i) EXPECT_TRUE(std::regex_match(f[i], utc)) << f[i];

    std::vector<std::string> render{"render", "--out", png, "--objects", tsv};
    render.insert(render.end(), Evening.begin(), Evening.end());
    ASSERT_EQ(RunChart(render).ExitStatus, 0);
    const std::string table = testing::FileText(tsv);
    const auto placed = Fields(Lines(table).at(1 + 1961), '\t');
    EXPECT_EQ(f[6], placed[7]);  // x
    EXPECT_EQ(f[7], placed[8]);  // y
    EXPECT_EQ(f[8], placed[3]);  // visible
    // The altitude an almanac gives: the geodetic zenith lies within 0.192
    // degrees of the chart's.
    EXPECT_NEAR(std::stod(f[5]), std::stod(placed[5]) * 180.0 / 3.141592653589793, 0.192);
    EXPECT_EQ(placed[10], "Vega");
}

// Names in any script after compatibility folding; times on the clock of
// --zone or of a town, the same instants as in UT.
TEST_F(FindCommand, FoldsAnyScriptAndShowsLocalTimes) {
    const auto ut = RunChart(Find({"Vega"}));
    ASSERT_EQ(ut.ExitStatus, 0) << ut.Err;
    for (const char* name :
         {"\xEF\xBC\xB6\xEF\xBC\xA5\xEF\xBC\xA7\xEF\xBC\xA1",                     // fullwidth VEGA
          "\xF0\x9D\x90\x95\xF0\x9D\x90\x9E\xF0\x9D\x90\xA0\xF0\x9D\x90\x9A"}) {  // bold Vega
        const auto run = RunChart(Find({name}));
        ASSERT_EQ(run.ExitStatus, 0) << run.Err;
        EXPECT_EQ(run.Out, ut.Out) << name;
    }
    // 12 August 2024: summer time in Budapest, so +02:00 on the town's clock.
    const std::vector<std::string> utTimes = Fields(Lines(ut.Out).at(1), '\t');
    const auto city =
        RunChart({"find", "Vega", "--city", "Budapest", "--jd", "2460536.375", "--size", "800x600"});
    const auto zone = RunChart({"find", "Vega", "--zone", "-3.5", "--lat", "47.4683", "--lon", "19.0625",
                                "--jd", "2460536.375", "--size", "800x600"});
    ASSERT_EQ(city.ExitStatus, 0) << city.Err;
    ASSERT_EQ(zone.ExitStatus, 0) << zone.Err;
    const std::vector<std::string> cityTimes = Fields(Lines(city.Out).at(1), '\t');
    const std::vector<std::string> zoneTimes = Fields(Lines(zone.Out).at(1), '\t');
    const std::regex local(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d([+-]\d\d:\d\d))");
    for (std::size_t i = 9; i < 12; ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(cityTimes[i], m, local)) << cityTimes[i];
        EXPECT_EQ(m[1], "+02:00");
        ASSERT_TRUE(std::regex_match(zoneTimes[i], m, local)) << zoneTimes[i];
        EXPECT_EQ(m[1], "-03:30");
    }
    // The same instant: the clock 5:30 apart on the two.
    auto minutes = [](const std::string& t) {
        return std::stoi(t.substr(8, 2)) * 1440 + std::stoi(t.substr(11, 2)) * 60 +
               std::stoi(t.substr(14, 2));
    };
    EXPECT_EQ(minutes(zoneTimes[10]) + 330, minutes(cityTimes[10]));
}

TEST_F(FindCommand, ObjectsOffTheChartAreListedWithTheirPlace) {
    // NGC/IC objects (kind 5) and constellations (kind 7) have no slot.
    const struct {
        const char* typed;
        const char* kind;
        const char* name;
    } cases[] = {{"NGC 7000", "5", "NGC 7000"},
                 {"IC 434", "5", "IC 434"},
                 {"M45", "5", "M45"},
                 {"Orion", "7", "Orion"}};
    for (const auto& c : cases) {
        const auto run = RunChart(Find({c.typed}));
        ASSERT_EQ(run.ExitStatus, 0) << run.Err;
        const auto f = Fields(Lines(run.Out).at(1), '\t');
        ASSERT_EQ(f.size(), 12u) << c.typed;
        EXPECT_EQ(f[0], "-1");
        EXPECT_EQ(f[1], c.kind);
        EXPECT_EQ(f[3], c.name);
        EXPECT_EQ(f[8], std::stod(f[5]) >= 0.0 ? "1" : "0");
    }
    // The Pleiades stand where the chart places their brightest star, 2' from the centre.
    const auto cluster = Fields(Lines(RunChart(Find({"M45"})).Out).at(1), '\t');
    const auto alcyone = Fields(Lines(RunChart(Find({"Alcyone"})).Out).at(1), '\t');
    EXPECT_NEAR(std::stod(cluster[4]), std::stod(alcyone[4]), 0.1);
    EXPECT_NEAR(std::stod(cluster[5]), std::stod(alcyone[5]), 0.05);
    EXPECT_NEAR(std::stod(cluster[6]), std::stod(alcyone[6]), 2.0);
    EXPECT_NEAR(std::stod(cluster[7]), std::stod(alcyone[7]), 2.0);
}

TEST_F(FindCommand, NothingFoundIsOneLineAndStatusOne) {
    const auto run = RunChart(Find({"Nincs ilyen csillag"}));
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
}

TEST_F(FindCommand, BadInputIsOneLineAndStatusTwo) {
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{},  // no NAME
             {"vega", "altair"},
             {" - "},
             {"V\xE9ga"},  // Windows-1250, not UTF-8
             {"vega", "--lat", "91"},
         }) {
        const auto run = RunChart(Find(args));
        EXPECT_EQ(run.ExitStatus, 2) << run.Err;
        EXPECT_TRUE(run.Out.empty());
        EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
    }
}

}  // namespace
}  // namespace kolvar::cli
