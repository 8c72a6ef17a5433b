// The view layers as the picture commands draw them: on a known evening the
// figures join the Big Dipper's stars, the names, labels and direction
// letters stand where they belong; the night view holds every picture of
// every command to its reds.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "astro/time_scales.h"
#include "canvas/png_reader.h"
#include "catalog/constellation_figures.h"
#include "catalog/star_catalogue.h"
#include "chart/redraw.h"
#include "chart/sky_phase.h"
#include "chart/view_layers.h"
#include "chart_test_setup.h"
#include "run_chart.h"

namespace kolvar {
namespace {

using cli::testing::Fields;
using cli::testing::Lines;
using cli::testing::RunChart;

// 20 November 2024, 17:30 UT over the default place: Jupiter low in the
// east, Vega in the west, the Big Dipper in the north.
const std::vector<std::string> Evening{"--jd", "2460635.229", "--size", "1024x768"};

class ViewCommand : public cli::testing::ScratchOutputs {
protected:
    ViewCommand() : ScratchOutputs("view_test") {}

    Bitmap Render(const std::vector<std::string>& more, bool objects = false) {
        std::vector<std::string> args{"render"};
        args.insert(args.end(), Evening.begin(), Evening.end());
        args.insert(args.end(), more.begin(), more.end());
        args.insert(args.end(), {"--out", png});
        if (objects) args.insert(args.end(), {"--objects", tsv});
        const auto run = RunChart(args);
        EXPECT_EQ(run.ExitStatus, 0) << run.Err;
        std::optional<Bitmap> picture = ReadPng(png);
        return picture ? *picture : Bitmap();
    }

    // Chart pixel of each slot, from the objects file.
    std::map<int, ChartPoint> Pixels() {
        std::map<int, ChartPoint> pixels;
        for (const std::string& line : Lines(cli::testing::FileText(tsv))) {
            const auto f = Fields(line, '\t');
            if (f[0] == "slot") continue;
            pixels[std::stoi(f[0])] = {std::stof(f[7]), std::stof(f[8])};
        }
        return pixels;
    }
};

int CountColour(const Bitmap& b, Colour c, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += b.Contains(x, y) && b.Pixel(x, y) == c ? 1 : 0;
    return n;
}

// Pixels of a box where text of colour `ink` was written over the plain
// picture: each is the plain pixel blended at least halfway toward the ink.
int Inked(const Bitmap& shown, const Bitmap& plain, Colour ink, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (!shown.Contains(x, y)) continue;
            const Colour p = shown.Pixel(x, y), u = plain.Pixel(x, y);
            const double d[3] = {double(p.Red) - u.Red, double(p.Green) - u.Green, double(p.Blue) - u.Blue};
            const double e[3] = {double(ink.Red) - u.Red, double(ink.Green) - u.Green,
                                 double(ink.Blue) - u.Blue};
            const double ee = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
            if (ee == 0) continue;
            const double a = (d[0] * e[0] + d[1] * e[1] + d[2] * e[2]) / ee;
            double residual = 0;
            for (int k = 0; k < 3; ++k) residual = std::max(residual, std::fabs(d[k] - a * e[k]));
            n += a >= 0.5 && residual <= 3 ? 1 : 0;
        }
    return n;
}

int StarSlotOfHr(int hr) {
    for (int i = 0; i < StarCount; ++i)
        if (StarCatalogue[static_cast<std::size_t>(i)].HrNumber == hr) return FirstStarSlot + i;
    return -1;
}

TEST_F(ViewCommand, EveningShowsFiguresNamesLabelsAndDirections) {
    InitialiseChartTables();
    const Bitmap plain = Render({});
    const Bitmap shown = Render({"--show", "lines,names,labels,directions"}, true);
    const std::map<int, ChartPoint> at = Pixels();
    ASSERT_EQ(shown.Width(), 1024);

    // The Big Dipper: Alkaid, Mizar, Alioth, Megrez, Phecda, Merak, Dubhe, back to Megrez. Along each
    // segment between the stars' pixels, the line colour lies within a pixel of nearly every point.
    const int dipper[] = {5191, 5054, 4905, 4660, 4554, 4295, 4301, 4660};
    for (std::size_t k = 0; k + 1 < std::size(dipper); ++k) {
        const ChartPoint a = at.at(StarSlotOfHr(dipper[k])), b = at.at(StarSlotOfHr(dipper[k + 1]));
        int hit = 0, total = 0;
        for (double t = 0.2; t <= 0.8; t += 0.05, ++total) {
            const int x = static_cast<int>(a.X + t * (b.X - a.X)),
                      y = static_cast<int>(a.Y + t * (b.Y - a.Y));
            hit += CountColour(shown, FigureColour, x - 1, y - 1, x + 1, y + 1) > 0 ? 1 : 0;
            EXPECT_EQ(CountColour(plain, FigureColour, x - 1, y - 1, x + 1, y + 1), 0);
        }
        EXPECT_GE(hit, total - 2) << "HR " << dipper[k] << " to HR " << dipper[k + 1];
    }

    // Written things, each in its colour, near where it belongs and absent from the plain chart.
    const ConstellationLabelPoint uma = ConstellationFigureOf(83).Labels[0];
    ObserverState observer = StartingObserverState();
    observer.JulianDay = 2460635.229;
    const ChartFrame frame = ComputeChartFrame(1024, 768, observer);
    const HorizontalPosition h = EquatorialToHorizontal(
        frame, uma.RightAscension, uma.Declination, InfinitelyFar, observer.JulianDay, Equinox::Catalogue);
    const ChartPoint name = ProjectToChart(frame, h.Azimuth, h.Altitude);
    const ChartPoint jupiter = at.at(FirstPlanetSlot + 3), vega = at.at(StarSlotOfHr(7001));
    const int cx = frame.CentreX, cy = frame.CentreY;
    struct Written {
        const char* What;
        Colour Ink;
        int X0, Y0, X1, Y1;
    };
    const Written written[] = {
        {"Nagy Medve", ConstellationNameColour, int(name.X) - 40, int(name.Y) - 8, int(name.X) + 40,
         int(name.Y) + 8},
        {"Jupiter", SolarSystemLabelColour, int(jupiter.X) - 60, int(jupiter.Y) - 14, int(jupiter.X) + 60,
         int(jupiter.Y) + 14},
        {"Vega", StarLabelColour, int(vega.X) - 40, int(vega.Y) - 14, int(vega.X) + 40, int(vega.Y) + 14},
        {"north", DirectionLetterColour, cx + 3, 0, cx + 24, 24},
        {"east", DirectionLetterColour, 0, cy - 24, 24, cy - 3},
        {"south", DirectionLetterColour, cx + 3, 767 - 24, cx + 24, 767},
        {"west", DirectionLetterColour, 1023 - 30, cy - 24, 1023, cy - 3},
    };
    for (const Written& w : written) {
        EXPECT_GE(Inked(shown, plain, w.Ink, w.X0, w.Y0, w.X1, w.Y1), 12) << w.What;
    }
}

TEST_F(ViewCommand, NightViewIsDarkRedInEveryPicture) {
    const std::string prefix = png + "-labels";
    struct Case {
        std::vector<std::string> Args;
        std::vector<std::string> Pictures;
    };
    const std::vector<Case> cases{
        {{"render", "--show", "lines,runes,labels,directions,selection:12", "--daylight", "--out", png},
         {png}},
        {{"closeup", "--az", "60", "--alt", "30", "--show", "lines,names,labels", "--out", png}, {png}},
        {{"render", "--style", "smooth", "--show", "lines,labels,grid,selection:12", "--daylight", "--out",
          png},
         {png}},
        {{"identify", "--x", "400", "--y", "300", "--labels", prefix, "--show", "labels"},
         {prefix + "-left.png", prefix + "-right.png", prefix + "-chart.png"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.Args;
        args.insert(args.end(), Evening.begin(), Evening.end());
        args.push_back("--night");
        const auto run = RunChart(args);
        ASSERT_EQ(run.ExitStatus, 0) << c.Args[0] << ": " << run.Err;
        for (const std::string& file : c.Pictures) {
            const std::optional<Bitmap> picture = ReadPng(file);
            std::remove(file.c_str());
            ASSERT_TRUE(picture.has_value()) << file;
            int brightest = 0, greenOrBlue = 0;
            for (int y = 0; y < picture->Height(); ++y)
                for (int x = 0; x < picture->Width(); ++x) {
                    const Colour p = picture->Pixel(x, y);
                    brightest = std::max<int>(brightest, p.Red);
                    greenOrBlue = std::max<int>(greenOrBlue, std::max(p.Green, p.Blue));
                }
            EXPECT_LE(greenOrBlue, 8) << file;
            EXPECT_LE(brightest, NightBrightestRed) << file;
            EXPECT_GT(brightest, 60) << file << " shows nothing";
        }
    }
}

// The smooth style places every object where the plain chart does, and its
// star discs grow with brightness: Sirius over Rigel over a star of the fifth
// class.
TEST_F(ViewCommand, SmoothStyleKeepsThePlacesAndSizesTheStars) {
    InitialiseChartTables();
    const auto render = [&](const char* style) {
        const auto run =
            RunChart({"render", "--date", "2026-12-09T21:00", "--zone", "1", "--lat", "46.25", "--lon",
                      "20.15", "--size", "1024x768", "--style", style, "--out", png, "--objects", tsv});
        EXPECT_EQ(run.ExitStatus, 0) << run.Err;
        return cli::testing::FileText(tsv);
    };
    const std::string plainObjects = render("plain");
    EXPECT_EQ(render("smooth"), plainObjects);
    const Bitmap smooth = ReadPng(png).value_or(Bitmap());
    const std::map<int, ChartPoint> at = Pixels();
    // A disc's width: the run of pixels clearly lighter than the sky through its centre.
    const auto discPixels = [&](int slot) {
        const ChartPoint p = at.at(slot);
        const auto light = [&](int x, int y) {
            const Colour c = smooth.Contains(x, y) ? smooth.Pixel(x, y) : Colour{};
            return c.Red + c.Green + c.Blue > 300;
        };
        int n = light(int(p.X), int(p.Y)) ? 1 : 0;
        for (const int step : {-1, 1})
            for (int x = int(p.X) + step; n > 0 && light(x, int(p.Y)) && std::abs(x - int(p.X)) < 20;
                 x += step)
                ++n;
        return n;
    };
    int fifth = -1;
    for (int i = 0; i < StarCount && fifth < 0; ++i)
        if (StarCatalogue[static_cast<std::size_t>(i)].MagnitudeClass == 5 && at.count(FirstStarSlot + i) &&
            at.at(FirstStarSlot + i).Y > 200)
            fifth = FirstStarSlot + i;
    const int sirius = discPixels(StarSlotOfHr(2491)), rigel = discPixels(StarSlotOfHr(1713));
    const int faint = fifth >= 0 ? discPixels(fifth) : 0;
    EXPECT_GT(sirius, rigel);
    EXPECT_GT(rigel, faint);
    EXPECT_GT(faint, 0);
}

}  // namespace
}  // namespace kolvar
