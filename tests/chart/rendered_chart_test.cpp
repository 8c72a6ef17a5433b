// Whole charts drawn by the redraw cycle for several instants and places,
// checked pixel by pixel: what may appear outside the horizon, the horizon
// rims, the Milky Way band inside it, and the order of the layers.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "astro/spherical_position.h"
#include "astro/time_scales.h"
#include "canvas/bitmap.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "chart/background_layers.h"
#include "chart/marker.h"
#include "chart/milky_way_layer.h"
#include "chart/redraw.h"
#include "chart_test_setup.h"

namespace kolvar {
namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Deg = Pi / 180;

struct Scene {
    const char* Name;
    double JulianDay;
    double LatitudeDeg;
    double LongitudeDeg;
    int Width;
    int Height;
};

// Nights and days at several places, among them nights with the band high
// (Cygnus overhead in northern summer, the galactic centre overhead in the
// south) and one with the band low along the horizon; two of them a thousand
// years before and after 2000, with the band precessed to the date.
const Scene Scenes[] = {
    {"home-august-night", 2460536.375, 47.589, 19.064, 1024, 768},   // 2024-08-14 21:00 UT
    {"home-january-evening", 2460695.25, 47.589, 19.064, 800, 800},  // 2025-01-20 18:00 UT
    {"sydney-june-midnight", 2460472.08, -33.87, 151.21, 640, 900},  // 2024-06-11 14:00 UT
    {"equator-march-dawn", 2460390.7, 0.0, -78.5, 1200, 500},        // 2024-03-21 04:48 UT
    {"near-pole-october", 2460590.5, 89.5, 0.0, 700, 600},
    {"small-window", 2451545.0, 47.589, 19.064, 300, 200},
    {"home-august-night-1000", 2086528.375, 47.589, 19.064, 640, 480},  // 1000-08-14 21:00 UT
    {"home-august-night-3000", 2817013.375, 47.589, 19.064, 640, 480},  // 3000-08-14 21:00 UT
};

class RenderedChart : public ::testing::TestWithParam<Scene> {
protected:
    void SetUp() override {
        InitialiseChartTables();
        const Scene& s = GetParam();
        observer.Latitude = s.LatitudeDeg * Deg;
        observer.Longitude = s.LongitudeDeg * Deg;
        observer.JulianDay = s.JulianDay;
        const SkyScene scene = ComputeSkyScene(observer);
        frame = RedrawChart(scene, chart, s.Width, s.Height, moon);
        objects = scene.Objects;
    }

    double RadiusOf(int x, int y) const { return std::hypot(x - frame.CentreX, y - frame.CentreY); }

    ChartPoint Project(const SkyObjectEntry& e) const { return ProjectToChart(frame, e.Azimuth, e.Altitude); }

    // Galactic (l, b) in degrees to the observer's horizon.
    HorizontalPosition Galactic(double l, double b) const {
        const SphericalPosition e = GalacticToEquatorial(l, b);
        return EquatorialToHorizontal(frame, e.Longitude, e.Latitude, InfinitelyFar, observer.JulianDay,
                                      Equinox::Catalogue);
    }

    bool NearSunOrMoon(int x, int y, double margin) const {
        for (int slot : {SunSlot, MoonSlot}) {
            if (!objects[slot].Visible) continue;
            const ChartPoint p = Project(objects[slot]);
            if (std::hypot(x - static_cast<double>(p.X), y - static_cast<double>(p.Y)) < margin) return true;
        }
        return false;
    }

    ObserverState observer;
    Bitmap chart;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
};

// Beyond the navy rim (radius + 2 to + 6) only the background, the cross and
// the ecliptic show. The outline's ticks end 5 pixels out; with their round
// 2-pixel pen and coordinates truncated toward zero (outward in the upper
// left) a tick tip may peek a pixel beyond the rim, but never further.
TEST_P(RenderedChart, MarginShowsOnlyNavyCrossAndEcliptic) {
    std::map<int, int> strays;
    int tickTips = 0;
    for (int y = 0; y < chart.Height(); ++y) {
        for (int x = 0; x < chart.Width(); ++x) {
            const double r = RadiusOf(x, y);
            if (r <= frame.ChartRadius + 6) continue;
            if (NearSunOrMoon(x, y, 40)) continue;  // discs on the horizon reach into the margin
            const Colour c = chart.Pixel(x, y);
            if (c == colours::Navy || c == colours::Green || c == colours::Yellow) continue;
            if (c == MilkyWayOutlineColour && r <= frame.ChartRadius + 7.5) {
                ++tickTips;
                continue;
            }
            ++strays[static_cast<int>(c.ToColorRef())];
        }
    }
    EXPECT_TRUE(strays.empty()) << strays.size() << " stray colours, first 0x" << std::hex
                                << (strays.empty() ? 0 : strays.begin()->first) << " x" << std::dec
                                << (strays.empty() ? 0 : strays.begin()->second);
    EXPECT_LE(tickTips, 12);
}

TEST_P(RenderedChart, CardinalCrossReachesTheEdges) {
    EXPECT_EQ(chart.Pixel(1, frame.CentreY), colours::Green);
    EXPECT_EQ(chart.Pixel(chart.Width() - 2, frame.CentreY), colours::Green);
    EXPECT_EQ(chart.Pixel(frame.CentreX, 1), colours::Green);
    EXPECT_EQ(chart.Pixel(frame.CentreX, chart.Height() - 2), colours::Green);
}

// The cross and the ecliptic lie under the horizon disc: green only outside
// it, yellow in the margin only along the ecliptic circle.
TEST_P(RenderedChart, CrossAndEclipticOnlyInTheMargin) {
    const std::optional<ChartCircle> ecliptic =
        EclipticCircle(ChartContext(frame, ComputeSkyScene(observer)));
    int greenInside = 0, yellowAstray = 0, yellowOnEcliptic = 0;
    for (int y = 0; y < chart.Height(); ++y)
        for (int x = 0; x < chart.Width(); ++x) {
            const Colour c = chart.Pixel(x, y);
            const double r = RadiusOf(x, y);
            if (c == colours::Green && r < frame.ChartRadius + 1) ++greenInside;
            if (c != colours::Yellow || r <= frame.ChartRadius + 6 || NearSunOrMoon(x, y, 40)) continue;
            const double off =
                ecliptic ? std::abs(std::hypot(x + 0.5 - ecliptic->CentreX, y + 0.5 - ecliptic->CentreY) -
                                    ecliptic->Radius)
                         : 1e9;
            (off <= 3.0 ? yellowOnEcliptic : yellowAstray) += 1;  // pen 2, corners truncated
        }
    EXPECT_EQ(greenInside, 0);
    EXPECT_EQ(yellowAstray, 0);
    if (!ecliptic) {
        EXPECT_EQ(yellowOnEcliptic, 0);
    }
}

TEST_P(RenderedChart, HorizonLineIsCyanAtTheChartRadius) {
    int cyan = 0, samples = 0;
    for (int k = 0; k < 360; ++k) {
        const double a = (k + 0.5) * Deg;
        const int x = static_cast<int>(std::floor(frame.CentreX + frame.ChartRadius * std::cos(a)));
        const int y = static_cast<int>(std::floor(frame.CentreY + frame.ChartRadius * std::sin(a)));
        if (NearSunOrMoon(x, y, 40)) continue;
        ++samples;
        bool found = false;  // the 2-pixel pen covers the circle within a pixel
        for (int dy = -1; dy <= 1 && !found; ++dy)
            for (int dx = -1; dx <= 1 && !found; ++dx) found = chart.Pixel(x + dx, y + dy) == colours::Cyan;
        cyan += found ? 1 : 0;
    }
    // A marker of an object right on the horizon may cover a sample or two.
    EXPECT_GE(cyan, samples - 4);
    // Just outside: the navy rim, not the black strip or the disc's cyan edge.
    int navy = 0;
    for (int k = 0; k < 360; ++k) {
        const double a = (k + 0.5) * Deg;
        const int x = static_cast<int>(std::lround(frame.CentreX + (frame.ChartRadius + 4) * std::cos(a)));
        const int y = static_cast<int>(std::lround(frame.CentreY + (frame.ChartRadius + 4) * std::sin(a)));
        navy += chart.Pixel(x, y) == colours::Navy ? 1 : 0;
    }
    EXPECT_GE(navy, 340);
}

// Fills stay inside: between the cyan horizon line (radius - 1 to + 1) and
// the navy rim (from radius + 2) a one-pixel strip keeps what the sky disc
// had there, black or band grey; nothing of the sky shows further out.
TEST_P(RenderedChart, NoSkyOrBandBeyondTheHorizonStrip) {
    int leaks = 0;
    for (int y = 0; y < chart.Height(); ++y)
        for (int x = 0; x < chart.Width(); ++x) {
            if (RadiusOf(x, y) <= frame.ChartRadius + 2.5) continue;
            const Colour c = chart.Pixel(x, y);
            if (c == MilkyWayBandColour || c == colours::Black) ++leaks;
        }
    EXPECT_EQ(leaks, 0);
}

TEST_P(RenderedChart, BandIsFilledAlongTheGalacticEquatorAndNotFarFromIt) {
    int onBand = 0, bandSamples = 0, offGrey = 0, offSamples = 0;
    for (double l = 0; l < 360; l += 2) {
        for (double b : {-50.0, 0.0, 50.0}) {
            const HorizontalPosition h = Galactic(l, b);
            if (h.Altitude < 0.15) continue;  // keep clear of the horizon strip
            const ChartPoint p = ProjectToChart(frame, h.Azimuth, h.Altitude);
            const Colour c = chart.Pixel(static_cast<int>(p.X), static_cast<int>(p.Y));
            const bool grey = c == MilkyWayBandColour || c == MilkyWayOutlineColour;
            if (!grey && c != colours::Black) continue;  // a marker covers the sample
            if (b == 0.0) {
                ++bandSamples;
                onBand += grey ? 1 : 0;
            } else {
                ++offSamples;
                offGrey += grey ? 1 : 0;
            }
        }
    }
    if (bandSamples >= 10) {
        EXPECT_GE(onBand, bandSamples * 8 / 10) << onBand << " of " << bandSamples;
    }
    EXPECT_LE(offGrey, offSamples / 20) << offGrey << " of " << offSamples;
}

TEST_P(RenderedChart, EveryObjectPlacedAndOnlyVisibleOnesInsideTheHorizon) {
    for (int slot = 0; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = objects[slot];
        const int expectedKind = slot == 0                 ? KindSun
                                 : slot == 1               ? KindMoon
                                 : slot < FirstStarSlot    ? KindPlanet
                                 : slot < FirstDeepSkySlot ? KindStar
                                                           : KindDeepSky;
        ASSERT_EQ(e.Kind, expectedKind) << slot;
        EXPECT_EQ(e.Visible, e.Altitude >= 0 ? 1 : 0) << slot;
        if (e.Kind == KindStar) {
            EXPECT_EQ(e.Index, slot - FirstStarSlot);
        }
        if (e.Kind == KindDeepSky) {
            EXPECT_EQ(e.Index, slot - FirstDeepSkySlot);
        }
        if (e.Kind <= KindPlanet) {
            EXPECT_GE(e.SignIndex, 0) << slot;
            EXPECT_LT(e.SignIndex, 12) << slot;
        } else {
            EXPECT_EQ(e.SignIndex, -1) << slot;
        }
        const ChartPoint p = Project(e);
        if (e.Visible) {
            EXPECT_LE(RadiusOf(static_cast<int>(p.X), static_cast<int>(p.Y)), frame.ChartRadius + 1.5);
        }
    }
}

// Markers are drawn last (stars, then deep-sky objects), so the arms of a
// star or deep-sky marker that no later marker touches keep their colour
// over the Sun, Moon, planets and the band; a planet's arms likewise over
// the Sun and the Moon.
TEST_P(RenderedChart, LaterLayersCoverEarlierOnes) {
    struct Mark {
        int X, Y;
        Colour C;
        int Order;
    };
    std::vector<Mark> marks;
    for (int slot = FirstPlanetSlot; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = objects[slot];
        if (!e.Visible) continue;
        const ChartPoint p = Project(e);
        marks.push_back({static_cast<int>(p.X), static_cast<int>(p.Y), MarkerColour(e.Kind, e.Index), slot});
    }
    std::map<std::pair<int, int>, int> touched;  // pixel -> how many markers cover it
    for (const Mark& m : marks)
        for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}})
            ++touched[{m.X + dx, m.Y + dy}];
    int checked = 0;
    for (const Mark& m : marks) {
        if (m.X <= 0 || m.Y <= 0) continue;
        for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}, {-1, 0}, {0, -1}}) {
            const int x = m.X + dx, y = m.Y + dy;
            if (!chart.Contains(x, y) || touched[{x, y}] != 1) continue;
            EXPECT_EQ(chart.Pixel(x, y), m.C) << "slot " << m.Order << " at " << x << "," << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

INSTANTIATE_TEST_SUITE_P(Scenes, RenderedChart, ::testing::ValuesIn(Scenes),
                         [](const ::testing::TestParamInfo<Scene>& param) {
                             std::string name = param.param.Name;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

// The scene is the sky of its place and instant alone: its frame turns with
// the instant's sidereal angle, and a redraw at any size draws from it and
// leaves it as it was.
TEST(SkyScene, PlacedOnceForThePlaceAndInstantAndDrawnAtAnySize) {
    InitialiseChartTables();
    ObserverState observer;
    observer.Latitude = 0.8305847;
    observer.Longitude = 0.3327296;
    observer.JulianDay = 2451545.0;
    const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(observer));
    EXPECT_TRUE(scene->IsFor(observer));
    EXPECT_EQ(scene->Frame.SiderealAngle, GreenwichSiderealAngle(observer.JulianDay));
    observer.JulianDay += 0.5;
    EXPECT_FALSE(scene->IsFor(observer));

    const auto before = std::make_unique<const SkyScene>(*scene);
    Bitmap chart;
    MoonPicture moon;
    ChartFrame frame = RedrawChart(*scene, chart, 300, 200, moon);
    EXPECT_EQ(chart.Width(), 300);
    EXPECT_EQ(chart.Height(), 200);
    EXPECT_EQ(frame.ChartWidth, 300);
    EXPECT_EQ(frame.ChartRadius, 90);
    EXPECT_EQ(frame.SiderealAngle, scene->Frame.SiderealAngle);
    EXPECT_EQ(moon.Size, 2 * 13);  // ceil(90 * 0.14) = 13
    frame = RedrawChart(*scene, chart, 0, 0, moon);
    EXPECT_EQ(chart.Width(), 0);
    EXPECT_EQ(frame.ChartRadius, 0);
    EXPECT_EQ(std::memcmp(before->Objects.data(), scene->Objects.data(), sizeof scene->Objects), 0);
}

}  // namespace
}  // namespace kolvar
