// kolvar-chart tonight as scripts read it: the night's lines, a blank line,
// the table; a local horizon's bad lines named while the rest is read; bad
// input refused with one line and status 2.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "canvas/png_reader.h"
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
    // find rises and sets it over the skyline too: behind the wall all day, but it culminates.
    const auto found = RunChart(
        {"find", "Sirius", "--date", "2026-12-09", "--lat", "47.5", "--lon", "19.04", "--horizon", tsv});
    ASSERT_EQ(found.ExitStatus, 0) << found.Err;
    const auto row = Fields(Lines(found.Out).at(1), '\t');
    EXPECT_EQ(row.at(9) + row.at(11), "--") << found.Out;
    EXPECT_NE(row.at(10), "-");
    // On paper the silhouette covers the south, its lines named all the same.
    const std::vector<std::string> sheet{"print", "--jd", "2461384.3", "--dpi", "36", "--out", png};
    ASSERT_EQ(RunChart(sheet).ExitStatus, 0);
    const auto plain = ReadPng(png);
    std::vector<std::string> skyline = sheet;
    skyline.insert(skyline.end(), {"--horizon", tsv});
    const auto printed = RunChart(skyline);
    EXPECT_NE(printed.Err.find("line 3: 'south wall'"), std::string::npos) << printed.Err;
    const auto covered = ReadPng(png);
    ASSERT_TRUE(plain && covered);
    EXPECT_FALSE(
        std::equal(plain->Data(), plain->Data() + plain->Stride() * plain->Height(), covered->Data()));
}

// The chart of 1024 x 768: centre (512, 384), horizon radius 345. Straight
// below the centre lies the south; altitude h at tan((90 - h) / 2) radii.
TEST_F(TonightCommand, RenderDrawsTheSkylineAsASilhouette) {
    Write("0 5\n150 30\n210 30\n");
    const std::vector<std::string> render{"render", "--jd", "2461384.3", "--lat", "47.5", "--out", png};
    ASSERT_EQ(RunChart(render).ExitStatus, 0);
    const auto plain = ReadPng(png);
    std::vector<std::string> walled = render;
    walled.insert(walled.end(), {"--horizon", tsv});
    ASSERT_EQ(RunChart(walled).ExitStatus, 0);
    const auto drawn = ReadPng(png);
    ASSERT_TRUE(plain && drawn);
    const struct {
        double Altitude;
        bool Hidden;
    } below[] = {{2, true}, {25, true}, {35, false}, {60, false}};
    for (const auto& b : below) {
        const int y = 384 + static_cast<int>(345 * std::tan((90 - b.Altitude) / 2 * 3.141592653589793 / 180));
        const std::uint8_t* p = drawn->Data() + static_cast<std::size_t>(y) * drawn->Stride() + 512 * 3;
        const std::uint8_t* q = plain->Data() + static_cast<std::size_t>(y) * plain->Stride() + 512 * 3;
        EXPECT_EQ(p[0] == 34 && p[1] == 30 && p[2] == 24, b.Hidden) << b.Altitude;
        if (!b.Hidden) {
            EXPECT_TRUE(std::equal(p, p + 3, q)) << b.Altitude;  // the sky as without the skyline
        }
    }
}

TEST_F(TonightCommand, PrintsThePlanBesideTheLines) {
    const auto run = RunChart(With({"--kinds", "planet", "--print", png}));
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_NE(run.Out.find("\nJupiter\t"), std::string::npos);
    const auto page = ReadPng(png);  // the first page: the night and the table, A4 at 150 dpi
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Width(), 1240);
}

TEST_F(TonightCommand, RefusesBadInputWithOneLine) {
    Write("10 95\n");
    const std::vector<std::vector<std::string>> bad = {
        {"--kinds", "comet"}, {"--format", "xml"}, {"--min-alt", "91"},
        {"--mag", "bright"},  {"--horizon", tsv},  {"--horizon", "/nonexistent/horizon.txt"},
        {"--min-size", "-1"}, {"--jd", "2461384"},  // with --date
        {"--print", tsv},     {"--print", "-"},
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
