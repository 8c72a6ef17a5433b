// kolvar-chart render as scripts use it: the PNG equals the library's redraw
// with the Moon picture laid over it, the objects file matches the table,
// and bad input writes nothing.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

#include "canvas/png_reader.h"
#include "chart/redraw.h"
#include "chart_test_setup.h"
#include "run_chart.h"

namespace kolvar {
namespace {

using cli::testing::Fields;
using cli::testing::Lines;
using cli::testing::RunChart;

constexpr double Deg = 3.141592653589793 / 180;

class RenderCommand : public cli::testing::ScratchOutputs {
protected:
    RenderCommand() : ScratchOutputs("render_test") {}
};

TEST_F(RenderCommand, PngIsTheWindowPictureAndObjectsMatchTheTable) {
    const auto run = RunChart({"render", "--jd", "2460536.375", "--lat", "-33.87", "--lon", "151.21",
                               "--size", "320x240", "--out", png, "--objects", tsv});
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_EQ(run.Out, png + "\n");

    InitialiseChartTables();
    ObserverState observer;
    observer.JulianDay = 2460536.375;
    observer.Latitude = -33.87 * Deg;
    observer.Longitude = 151.21 * Deg;
    Bitmap expected;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
    const SkyScene scene = ComputeSkyScene(observer);
    frame = RedrawChart(scene, expected, 320, 240, moon);
    objects = scene.Objects;
    LayMoonPicture(expected, moon);

    const std::optional<Bitmap> written = ReadPng(png);
    ASSERT_TRUE(written.has_value());
    ASSERT_EQ(written->Width(), 320);
    ASSERT_EQ(written->Height(), 240);
    int differing = 0;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) differing += written->Pixel(x, y) == expected.Pixel(x, y) ? 0 : 1;
    EXPECT_EQ(differing, 0);

    const std::string text = cli::testing::FileText(tsv);
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 1u + SkyObjectCount);
    EXPECT_EQ(lines[0], "slot\tkind\tindex\tvisible\tazimuth\taltitude\tdistance\tx\ty\tmagnitude\tname");
    for (int slot = 0; slot < SkyObjectCount; slot += 97) {
        const auto f = Fields(lines[1 + slot], '\t');
        ASSERT_EQ(f.size(), 11u);
        const SkyObjectEntry& e = objects[slot];
        EXPECT_EQ(std::stoi(f[0]), slot);
        EXPECT_EQ(std::stoi(f[1]), e.Kind);
        EXPECT_EQ(std::stoi(f[2]), e.Index);
        EXPECT_EQ(std::stoi(f[3]), e.Visible);
        EXPECT_DOUBLE_EQ(std::stod(f[4]), e.Azimuth);
        EXPECT_DOUBLE_EQ(std::stod(f[5]), e.Altitude);
        EXPECT_DOUBLE_EQ(std::stod(f[6]), e.Distance);
        const ChartPoint p = ProjectToChart(frame, e.Azimuth, e.Altitude);
        EXPECT_FLOAT_EQ(std::stof(f[7]), p.X);
        EXPECT_FLOAT_EQ(std::stof(f[8]), p.Y);
    }
    // Magnitude and name: the Sun at its distance, Venus from its distances
    // and phase, a star's magnitude class; names in UTF-8.
    const auto sun = Fields(lines[1 + SunSlot], '\t');
    const auto venus = Fields(lines[1 + FirstPlanetSlot + 1], '\t');
    const auto vega = Fields(lines[1 + 1961], '\t');
    EXPECT_EQ(sun[10], "Nap");
    EXPECT_NEAR(std::stod(sun[9]), -26.74 + 5 * std::log10(objects[SunSlot].Distance), 0.02);
    EXPECT_EQ(venus[10], "V\u00e9nusz");
    EXPECT_GT(std::stod(venus[9]), -4.9);
    EXPECT_LT(std::stod(venus[9]), -3.8);
    EXPECT_EQ(vega[9] + " " + vega[10], "0.00 Vega");
}

TEST_F(RenderCommand, BadInputIsOneLineExitTwoAndNoFile) {
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{"--lat", "90.5"},
             {"--lon", "east"},
             {"--size", "640x0"},
             {"--size", "640*480"},
             {"--jd", "inf"},
             {"--jd", "1e12"},  // no orbits from the elements that far from 2000
             {"--bench", "3", "--out", "x.png"},
             {"--colour", "red"},
         }) {
        std::vector<std::string> full{"render", "--out", png, "--objects", tsv};
        if (args[0] == "--bench") full = {"render"};
        full.insert(full.end(), args.begin(), args.end());
        const auto run = RunChart(full);
        EXPECT_EQ(run.ExitStatus, 2) << args[0];
        EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
        EXPECT_TRUE(run.Out.empty());
        EXPECT_FALSE(Exists(png)) << args[0];
        EXPECT_FALSE(Exists(tsv)) << args[0];
    }
}

TEST_F(RenderCommand, OutAndObjectsNamingOneFileIsBadInput) {
    // Spelled differently, the same file: the table would replace the picture.
    const std::string sameAsPng = "/tmp/./" + png.substr(5);
    const auto run = RunChart({"render", "--size", "64x48", "--out", png, "--objects", sameAsPng});
    EXPECT_EQ(run.ExitStatus, 2);
    EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
    EXPECT_FALSE(Exists(png));
}

TEST_F(RenderCommand, ObjectsFileLeavesNeighbouringFilesAlone) {
    // A file that happens to carry the objects file's name plus ".tmp" is the
    // user's own and survives the render unchanged.
    const std::string neighbour = tsv + ".tmp";
    std::ofstream(neighbour) << "keep me\n";
    const auto run =
        RunChart({"render", "--jd", "2451545", "--size", "64x48", "--out", png, "--objects", tsv});
    EXPECT_EQ(run.ExitStatus, 0) << run.Err;
    const std::string text = cli::testing::FileText(neighbour);
    std::remove(neighbour.c_str());
    EXPECT_EQ(text, "keep me\n");
    EXPECT_TRUE(Exists(tsv));
}

TEST_F(RenderCommand, BenchPrintsTwoTimingLines) {
    const auto run = RunChart({"render", "--bench", "2", "--size", "200x150"});
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("astro_ms min=", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("redraw_ms min=", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find(" median="), std::string::npos);
    EXPECT_NE(lines[1].find(" max="), std::string::npos);
}

}  // namespace
}  // namespace kolvar
