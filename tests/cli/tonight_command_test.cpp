// kolvar-chart tonight as scripts read it: the night's lines, a blank line,
// the table; a local horizon's bad lines named while the rest is read; bad
// input refused with one line and status 2.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "run_chart.h"

namespace kolvar::cli {
namespace {

using testing::Fields;
using testing::Lines;
using testing::RunChart;

const std::vector<std::string> Budapest{"tonight", "--date", "2026-12-09", "--zone", "1",
                                        "--lat",   "47.5",   "--lon",      "19.04"};

std::vector<std::string> With(std::vector<std::string> extra) {
    std::vector<std::string> args = Budapest;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

class TonightCommand : public testing::ScratchOutputs {
protected:
    TonightCommand() : ScratchOutputs("tonight") {}
    void Write(const std::string& text) { std::ofstream(tsv) << text; }
};

TEST_F(TonightCommand, PrintsTheNightThenTheObjectsOnBothClocks) {
    const auto run = RunChart(With({"--kinds", "planet,messier", "--mag", "5"}));
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    const auto lines = Lines(run.Out);
    EXPECT_EQ(lines[0], "night\t2026-12-09\t47.5000\t19.0400");
    EXPECT_EQ(lines[2], "sunset\t2026-12-09T14:52:42Z\t2026-12-09T15:52:42+01:00");
    const auto blank = std::find(lines.begin(), lines.end(), "");
    ASSERT_NE(blank, lines.end());
    const auto header = Fields(*(blank + 1), '\t');
    ASSERT_EQ(header.size(), 19u);
    EXPECT_EQ(header[0], "name");
    std::vector<std::string> names;
    for (auto line = blank + 2; line != lines.end(); ++line) {
        const auto f = Fields(*line, '\t');
        ASSERT_EQ(f.size(), header.size()) << *line;
        EXPECT_TRUE(f[2] == "planet" || f[2] == "messier") << *line;
        EXPECT_GE(std::stod(f[14]), 20.0) << *line;
        names.push_back(f[0]);
    }
    for (const char* name : {"Jupiter", "M42", "M31"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;

    // The same in CSV, names with a comma quoted.
    const auto csv = RunChart(With({"--kinds", "planet,messier", "--mag", "5", "--format", "csv"}));
    ASSERT_EQ(csv.ExitStatus, 0) << csv.Err;
    EXPECT_EQ(Lines(csv.Out).size(), lines.size());
    EXPECT_EQ(Lines(csv.Out)[2], "sunset,2026-12-09T14:52:42Z,2026-12-09T15:52:42+01:00");
}

TEST_F(TonightCommand, HorizonLinesAreNamedAndTheSouthHidden) {
    Write("0 0\n90 0\nsouth wall\n120 30\n240 30\n270 0\n");
    const auto open = RunChart(With({"--kinds", "star", "--min-alt", "10"}));
    const auto walled = RunChart(With({"--kinds", "star", "--min-alt", "10", "--horizon", tsv}));
    ASSERT_EQ(walled.ExitStatus, 0) << walled.Err;
    EXPECT_NE(walled.Err.find("line 3: 'south wall'"), std::string::npos) << walled.Err;
    // Sirius culminates at 26 degrees in the south.
    EXPECT_NE(open.Out.find("\nSirius\t"), std::string::npos);
    EXPECT_EQ(walled.Out.find("\nSirius\t"), std::string::npos);
}

TEST_F(TonightCommand, RefusesBadInputWithOneLine) {
    Write("10 95\n");
    const std::vector<std::vector<std::string>> bad = {
        {"--kinds", "comet"}, {"--format", "xml"}, {"--min-alt", "91"},
        {"--mag", "bright"},  {"--horizon", tsv},  {"--horizon", "/nonexistent/horizon.txt"},
        {"--min-size", "-1"}, {"--jd", "2461384"},  // with --date
    };
    for (const auto& extra : bad) {
        const auto run = RunChart(With(extra));
        EXPECT_EQ(run.ExitStatus, 2) << extra[0] << " " << extra[1];
        EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
        EXPECT_TRUE(run.Out.empty());
    }
}

}  // namespace
}  // namespace kolvar::cli
