// kolvar-chart closeup: the picture is the window's drawing after the main
// chart of --chart-size, the objects file carries close-up pixels, bad input
// writes nothing.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "canvas/canvas.h"
#include "canvas/png_reader.h"
#include "chart/chart_frame.h"
#include "chart/redraw.h"
#include "chart_test_setup.h"
#include "closeup/draw_close_up.h"
#include "closeup/field_circles.h"
#include "run_chart.h"

namespace kolvar {
namespace {

using cli::testing::Fields;
using cli::testing::Lines;
using cli::testing::RunChart;

constexpr double Deg = 3.141592653589793 / 180;

class CloseUpCommand : public cli::testing::ScratchOutputs {
protected:
    CloseUpCommand() : ScratchOutputs("closeup_test") {}
};

TEST_F(CloseUpCommand, ZoomedInItListsTheDeepStarsAndObjectsAfterTheTable) {
    const std::vector<std::string> when{"--jd", "2460536.625", "--lat", "47.5", "--lon", "19.04"};
    std::vector<std::string> find{"find", "M45", "--size", "800x600"};
    find.insert(find.end(), when.begin(), when.end());
    const auto pleiades = Fields(Lines(RunChart(find).Out).at(1), '\t');
    // find's azimuth and altitude are an almanac's; the close-up is aimed in
    // the chart's own frame, through the pixel find gives.
    ChartFrame chart;
    chart.CentreX = 400;
    chart.CentreY = 300;
    chart.ChartRadius = 270;
    const HorizontalPosition aim = ChartToHorizontal(chart, std::stod(pleiades[6]), std::stod(pleiades[7]));
    const std::string az = std::to_string(aim.Azimuth / Deg), alt = std::to_string(aim.Altitude / Deg);
    std::vector<std::string> args{"closeup", "--az", az,      "--alt", alt,         "--size", "800x600",
                                  "--fov",   "2",    "--out", png,     "--objects", tsv};
    args.insert(args.end(), when.begin(), when.end());
    const auto run = RunChart(args);
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    const auto lines = Lines(cli::testing::FileText(tsv));
    ASSERT_GT(lines.size(), 1u + SkyObjectCount);
    int stars = 0, cluster = 0;
    for (std::size_t i = 1 + SkyObjectCount; i < lines.size(); ++i) {
        const auto f = Fields(lines[i], '\t');
        ASSERT_EQ(f.size(), 11u);
        EXPECT_EQ(f[0], "-1");
        const double x = std::stod(f[7]), y = std::stod(f[8]);
        EXPECT_TRUE(x >= 0 && x < 800 && y >= 0 && y < 600) << lines[i];
        if (f[1] == "6") {
            ++stars;
            EXPECT_LE(std::stod(f[9]), 10.5);
        }
        // The cluster's centre at the picture's centre, named as its label.
        if (f[1] == "5" && f[10] ==
                               "M45 Plej\xC3\xA1"
                               "dok") {
            ++cluster;
            EXPECT_NEAR(x, 400.0, 2.0);
            EXPECT_NEAR(y, 300.0, 2.0);
        }
    }
    EXPECT_GT(stars, 80);
    EXPECT_EQ(cluster, 1);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--fov", "0.1"},
                                                {"--fov", "50"},
                                                {"--mag-limit", "9"},
                                                {"--fov", "2", "--mag-limit", "x"}}) {
        std::vector<std::string> refused{"closeup", "--az", "0", "--alt", "30", "--out", png};
        refused.insert(refused.end(), bad.begin(), bad.end());
        const auto r = RunChart(refused);
        EXPECT_EQ(r.ExitStatus, 2) << bad[0];
        EXPECT_EQ(Lines(r.Err).size(), 1u) << r.Err;
    }
}

TEST_F(CloseUpCommand, PictureIsTheWindowDrawingAndObjectsCarryItsPixels) {
    const auto run =
        RunChart({"closeup", "--jd", "2460536.375", "--lat", "47.589", "--lon", "19.064", "--az", "200",
                  "--alt", "12", "--chart-size", "600x400", "--out", png, "--objects", tsv});
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_EQ(run.Out, png + "\n");

    InitialiseChartTables();
    ObserverState observer;
    observer.JulianDay = 2460536.375;
    observer.Latitude = 47.589 * Deg;
    observer.Longitude = 19.064 * Deg;
    Bitmap chart;
    ChartFrame chartFrame;
    SkyObjectTable objects;
    MoonPicture moon;
    const SkyScene scene = ComputeSkyScene(observer);
    chartFrame = RedrawChart(scene, chart, 600, 400, moon);
    objects = scene.Objects;
    Bitmap expected(DefaultCloseUpWidth, DefaultCloseUpHeight, colours::Black);
    Canvas canvas(expected);
    const MilkyWayDirections band = MilkyWayDirectionsAt(chartFrame, observer.JulianDay);
    const CloseUpFrame frame =
        DrawCloseUp(canvas, expected.Width(), expected.Height(), {200 * Deg, 12 * Deg, 0},
                    {chartFrame, observer.JulianDay, objects, moon.Picture, band})
            .View();

    const std::optional<Bitmap> written = ReadPng(png);
    ASSERT_TRUE(written.has_value());
    ASSERT_EQ(written->Width(), DefaultCloseUpWidth);
    ASSERT_EQ(written->Height(), DefaultCloseUpHeight);
    int differing = 0;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            differing += written->Pixel(x, y) == expected.Pixel(x, y) ? 0 : 1;
    EXPECT_EQ(differing, 0);

    const std::string text = cli::testing::FileText(tsv);
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 1u + SkyObjectCount);
    for (int slot = 0; slot < SkyObjectCount; slot += 113) {
        const auto f = Fields(lines[1 + slot], '\t');
        ASSERT_EQ(f.size(), 11u);
        const SkyObjectEntry& e = objects[slot];
        const ChartPoint p =
            ProjectCloseUp(frame, e.Azimuth, e.Altitude, DefaultCloseUpWidth, DefaultCloseUpHeight);
        EXPECT_EQ(std::stoi(f[0]), slot);
        EXPECT_FLOAT_EQ(std::stof(f[7]), p.X) << slot;
        EXPECT_FLOAT_EQ(std::stof(f[8]), p.Y) << slot;
    }
}

// Zoomed in, the smooth style draws its own picture of the same deep field:
// the same deep rows (so the same projection for the hit test), and its
// picture lit wherever the plain one draws a deep star or object.
TEST_F(CloseUpCommand, ZoomedSmoothPictureShowsTheDeepFieldWherePlainDoes) {
    std::map<std::string, std::pair<Bitmap, std::vector<std::string>>> styles;
    for (const std::string style : {"plain", "smooth"}) {
        const auto run =
            RunChart({"closeup", "--jd",    "2460536.625", "--lat", "47.5",   "--lon",     "19.04",
                      "--az",    "123.3",   "--alt",       "56.4",  "--size", "400x300",   "--fov",
                      "2",       "--style", style,         "--out", png,      "--objects", tsv});
        ASSERT_EQ(run.ExitStatus, 0) << run.Err;
        std::vector<std::string> deepRows;
        for (const std::string& line : Lines(cli::testing::FileText(tsv)))
            if (line.rfind("-1\t", 0) == 0) deepRows.push_back(line);
        styles[style] = {ReadPng(png).value_or(Bitmap()), deepRows};
    }
    const auto& [plain, plainRows] = styles["plain"];
    const auto& [smooth, smoothRows] = styles["smooth"];
    ASSERT_EQ(smooth.Width(), 400);
    ASSERT_EQ(plain.Width(), 400);
    EXPECT_EQ(smoothRows, plainRows);
    ASSERT_GT(plainRows.size(), 50u);
    const Colour sky = smooth.Pixel(0, 0);
    const auto lit = [](const Bitmap& b, int x, int y, Colour ground) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (b.Contains(x + dx, y + dy)) {
                    const Colour c = b.Pixel(x + dx, y + dy);
                    if (std::abs(c.Red - ground.Red) + std::abs(c.Green - ground.Green) +
                            std::abs(c.Blue - ground.Blue) >
                        30)
                        return true;
                }
        return false;
    };
    int shown = 0, differing = 0;
    for (const std::string& row : plainRows) {
        const auto f = Fields(row, '\t');
        const int x = static_cast<int>(std::lround(std::stod(f[7]))),
                  y = static_cast<int>(std::lround(std::stod(f[8])));
        if (!lit(plain, x, y, colours::Black)) continue;
        ++shown;
        EXPECT_TRUE(lit(smooth, x, y, sky)) << row;
    }
    EXPECT_GT(shown, 50);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) differing += plain.Pixel(x, y) == smooth.Pixel(x, y) ? 0 : 1;
    EXPECT_GT(differing, 400 * 300 / 2);
}

// A circle of d degrees drawn at r = D zoom tan(d / 2) pixels from the centre,
// outside the zoomed view too; the picture elsewhere is untouched.
TEST_F(CloseUpCommand, CirclesHaveTheirTrueFieldRadius) {
    const std::vector<std::string> view{"closeup", "--jd",  "2460536.625", "--lat",  "47.5",    "--az",
                                        "80",      "--alt", "40",          "--size", "800x600", "--out"};
    for (const auto& [fov, circles, radii] :
         {std::tuple{"2", "1,0.5", std::vector<int>{200, 100}}, {"", "10", std::vector<int>{87}}}) {
        std::vector<std::string> args = view;
        args.insert(args.end(), {png, "--circles", circles});
        if (*fov) args.insert(args.end(), {"--fov", fov});
        ASSERT_EQ(RunChart(args).ExitStatus, 0);
        const std::optional<Bitmap> picture = ReadPng(png);
        ASSERT_TRUE(picture.has_value());
        for (const int r : radii)
            for (const auto& [dx, dy] : {std::pair{r, 0}, {-r, 0}, {0, r}, {0, -r}})
                EXPECT_EQ(picture->Pixel(400 + dx, 300 + dy), FieldCircleColour)
                    << circles << " " << dx << dy;
        EXPECT_NE(picture->Pixel(400 + radii.back() / 2, 300), FieldCircleColour);
    }
}

TEST_F(CloseUpCommand, BadInputIsOneLineExitTwoAndNoFileAndBenchWritesNothing) {
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{"--alt", "10"},
             {"--az", "10"},
             {"--az", "north", "--alt", "90.5"},
             {"--az", "10", "--alt", "10", "--chart-size", "0x100"},
             {"--az", "10", "--alt", "10", "--jd", "1e12"},  // no orbits that day
             {"--az", "10", "--alt", "10", "--circles", "0"},
             {"--az", "10", "--alt", "10", "--circles", "1,-2"},
             {"--az", "10", "--alt", "10", "--circles", "nan"},
             {"--az", "10", "--alt", "10", "--circles", "1,,2"},
         }) {
        std::vector<std::string> full{"closeup", "--out", png, "--objects", tsv};
        full.insert(full.end(), args.begin(), args.end());
        const auto run = RunChart(full);
        EXPECT_EQ(run.ExitStatus, 2) << args[0];
        EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
        EXPECT_EQ(run.Err.rfind("kolvar-chart closeup: ", 0), 0u) << run.Err;
        EXPECT_FALSE(Exists(png));
        EXPECT_FALSE(Exists(tsv));
    }
    // --bench draws and times, and writes nothing.
    const auto bench =
        RunChart({"closeup", "--az", "180", "--alt", "30", "--bench", "2", "--size", "200x150"});
    ASSERT_EQ(bench.ExitStatus, 0) << bench.Err;
    ASSERT_EQ(Lines(bench.Out).size(), 1u);
    EXPECT_EQ(bench.Out.rfind("closeup_ms min=", 0), 0u) << bench.Out;
}

}  // namespace
}  // namespace kolvar
