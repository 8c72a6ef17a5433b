// The night's times and the observing list against an independent almanac
// computation (PyEphem 4.1, airless model, horizon at -34', upper limb for
// the Sun and the Moon), the true frame against ERFA's full observed place,
// the root finder, and the local horizon's reading and effect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "astro/time_scales.h"
#include "catalog/constellation_names.h"
#include "catalog/ngc_ic_catalogue.h"
#include "catalog/static_tables.h"
#include "plan/local_horizon.h"
#include "plan/night.h"
#include "plan/tonight_list.h"
#include "plan/true_frame.h"

namespace kolvar {
namespace {

constexpr double Degree = 3.141592653589793 / 180.0;
constexpr double TwoMinutes = 120.0 / 86400.0;

double Utc(int y, int mo, int d, int h, int mi, int s) {
    return static_cast<double>(JulianDayFromCalendar(y, mo, d, h, mi, s, false, 0.0));
}

GeodeticPlace Place(double latitude, double longitude) {
    return {longitude * Degree, latitude * Degree, 0.0};
}

class Plan : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitStaticTables(); }
    // 2026-12-09 at 47.5 N 19.04 E, noon on the clock of zone 1.
    static Night Budapest() {
        return ComputeNight(Place(47.5, 19.04),
                            static_cast<double>(JulianDayFromCalendar(2026, 12, 9, 12, 0, 0, false, 1.0)));
    }
};

TEST_F(Plan, TrueFrameAgreesWithErfaObservedPlaces) {
    const struct {
        double Latitude, Longitude, Ra, Dec, HoursAfter;
    } cases[] = {{47.5, 19.04, 1.2, 0.7, 0.0},
                 {-33.9, 151.2, 4.0, -1.2, 9.0},
                 {69.65, 18.96, 0.3, 1.5, 20.0},
                 {0.0, -70.0, 5.9, 0.01, 13.5}};
    const double reference = Utc(2026, 12, 9, 22, 0, 0);
    for (const auto& c : cases) {
        const GeodeticPlace site = Place(c.Latitude, c.Longitude);
        const TrueFrame frame(site, reference);
        const double t = reference + c.HoursAfter / 24.0;
        const ObservedDirection ours = frame.Observe({c.Ra, c.Dec}, t);
        const ObservedDirection erfa = ObservedFromApparent({c.Ra, c.Dec}, site, t, NoRefraction);
        // Diurnal aberration (0.3") is all the frame leaves out.
        EXPECT_NEAR(ours.Altitude, erfa.Altitude, 5e-6) << c.Latitude << " " << c.HoursAfter;
        EXPECT_NEAR(std::cos(c.Dec) * ReducedAngle(ours.Azimuth - erfa.Azimuth), 0.0, 5e-6) << c.Latitude;
    }
}

TEST_F(Plan, CrossingsAndIntervalsOfASine) {
    // sin(2 pi t) - 0.5 is below zero on [0, 1/12), (5/12, 1 + 1/12) ...
    const TimeFunction f = [](double t) { return std::sin(2.0 * 3.141592653589793 * t) - 0.5; };
    const auto crossings = FindCrossings(f, 0.0, 2.0, 0.01);
    ASSERT_EQ(crossings.size(), 4u);
    EXPECT_NEAR(crossings[0].Time, 1.0 / 12, 1e-5);
    EXPECT_TRUE(crossings[0].Upward);
    EXPECT_NEAR(crossings[1].Time, 5.0 / 12, 1e-5);
    EXPECT_FALSE(crossings[1].Upward);
    const auto below = IntervalsBelow(f, 0.0, 2.0, 0.01);
    ASSERT_EQ(below.size(), 3u);
    EXPECT_EQ(below[0].Start, 0.0);
    EXPECT_NEAR(below[1].Days(), 2.0 / 3, 1e-5);
    EXPECT_EQ(below[2].End, 2.0);
    const auto common = Intersection(below, {{0.05, 0.5}, {1.9, 3.0}});
    ASSERT_EQ(common.size(), 3u);
    EXPECT_NEAR(common[1].Start, 5.0 / 12, 1e-5);
    EXPECT_EQ(common[2].Start, 1.9);
    EXPECT_EQ(common[2].End, 2.0);
}

TEST_F(Plan, BudapestNightAsTheAlmanacGivesIt) {
    const Night n = Budapest();
    const struct {
        const char* Name;
        std::optional<double> Ours;
        double Reference;
    } events[] = {
        {"sunset", n.Sunset.Evening, Utc(2026, 12, 9, 14, 52, 41)},
        {"civil dusk", n.Civil.Evening, Utc(2026, 12, 9, 15, 28, 16)},
        {"nautical dusk", n.Nautical.Evening, Utc(2026, 12, 9, 16, 7, 15)},
        {"astronomical dusk", n.Astronomical.Evening, Utc(2026, 12, 9, 16, 44, 33)},
        {"astronomical dawn", n.Astronomical.Morning, Utc(2026, 12, 10, 4, 28, 22)},
        {"nautical dawn", n.Nautical.Morning, Utc(2026, 12, 10, 5, 5, 42)},
        {"civil dawn", n.Civil.Morning, Utc(2026, 12, 10, 5, 44, 43)},
        {"sunrise", n.Sunset.Morning, Utc(2026, 12, 10, 6, 20, 23)},
        {"moonset", n.Moonset, Utc(2026, 12, 9, 14, 42, 46)},
        {"moonrise", n.Moonrise, Utc(2026, 12, 10, 7, 56, 1)},
    };
    for (const auto& e : events) {
        ASSERT_TRUE(e.Ours) << e.Name;
        EXPECT_NEAR(*e.Ours, e.Reference, TwoMinutes) << e.Name;
    }
    EXPECT_EQ(n.Sun, Daylight::Ordinary);
    EXPECT_EQ(n.Darkest, Darkness::Astronomical);
    EXPECT_NEAR(n.DarkHours, (Utc(2026, 12, 10, 4, 28, 22) - Utc(2026, 12, 9, 16, 44, 33)) * 24, 0.05);
    // New Moon on 9 December 2026: it stays down through the dark hours.
    EXPECT_LT(n.MoonIlluminated, 0.02);
    EXPECT_STREQ(MoonPhaseName(n.MoonPhaseAngle), "new");
    EXPECT_NEAR(n.MoonlessDarkHours, n.DarkHours, 1e-9);
}

TEST_F(Plan, PolarNightAndPolarDayAreToldAsSuch) {
    const GeodeticPlace tromso = Place(69.65, 18.96);
    const Night winter = ComputeNight(tromso, Utc(2026, 12, 9, 11, 0, 0));
    EXPECT_EQ(winter.Sun, Daylight::PolarNight);
    EXPECT_FALSE(winter.Sunset.Evening);
    EXPECT_FALSE(winter.Sunset.Morning);
    ASSERT_TRUE(winter.Civil.Evening);
    EXPECT_NEAR(*winter.Civil.Evening, Utc(2026, 12, 9, 13, 0, 10), TwoMinutes);
    ASSERT_TRUE(winter.Astronomical.Evening);
    EXPECT_NEAR(*winter.Astronomical.Evening, Utc(2026, 12, 9, 15, 56, 51), TwoMinutes);

    const Night summer = ComputeNight(tromso, Utc(2026, 6, 21, 11, 0, 0));
    EXPECT_EQ(summer.Sun, Daylight::PolarDay);
    EXPECT_EQ(summer.Darkest, Darkness::None);
    EXPECT_FALSE(summer.Observing);
    EXPECT_EQ(summer.DarkHours, 0.0);
    EXPECT_TRUE(PlanTonight(summer, tromso, {}, nullptr, TonightCandidates()).empty());
}

TEST_F(Plan, BestTimesAndAltitudesAsTheAlmanacGivesThem) {
    const Night n = Budapest();
    const auto list = PlanTonight(n, Place(47.5, 19.04), {}, nullptr, TonightCandidates());
    const struct {
        const char* Name;
        double Best, Altitude;
        const char* Constellation;
    } expected[] = {{"Jupiter", Utc(2026, 12, 10, 3, 26, 23), 55.797, "Leo"},
                    {"M42", Utc(2026, 12, 9, 23, 5, 40), 37.127, "Ori"},
                    {"M31", Utc(2026, 12, 9, 18, 14, 4), 83.922, "And"}};
    for (const auto& x : expected) {
        const auto e = std::find_if(list.begin(), list.end(),
                                    [&](const TonightEntry& t) { return t.Object->Name == x.Name; });
        ASSERT_NE(e, list.end()) << x.Name;
        EXPECT_NEAR(e->Best, x.Best, TwoMinutes) << x.Name;
        EXPECT_NEAR(e->BestAltitude / Degree, x.Altitude, 0.1) << x.Name;
        EXPECT_STREQ(ConstellationAbbreviations[static_cast<std::size_t>(e->Constellation)], x.Constellation);
    }
    for (const TonightEntry& e : list) {
        EXPECT_GE(e.BestAltitude, 20.0 * Degree) << e.Object->Name;
        EXPECT_GE(e.Best, n.Observing->Start);
        EXPECT_LE(e.Best, n.Observing->End);
    }
}

TEST_F(Plan, FiltersChooseTheObjects) {
    const Night n = Budapest();
    const struct {
        unsigned Groups;
        std::optional<double> Magnitude;
        double MinSize;
        std::size_t AtLeast, AtMost;
    } cases[] = {
        {1u << static_cast<unsigned>(ObjectGroup::Planet), std::nullopt, 0.0, 3, 6},
        {1u << static_cast<unsigned>(ObjectGroup::Messier), std::nullopt, 0.0, 60, 110},
        {1u << static_cast<unsigned>(ObjectGroup::Messier), 6.0, 0.0, 8, 40},
        {1u << static_cast<unsigned>(ObjectGroup::Messier), std::nullopt, 60.0, 3, 15},
    };
    for (const auto& c : cases) {
        TonightFilter f;
        f.Groups = c.Groups;
        f.MagnitudeLimit = c.Magnitude;
        f.MinSize = c.MinSize;
        const auto list = PlanTonight(n, Place(47.5, 19.04), f, nullptr, TonightCandidates());
        EXPECT_GE(list.size(), c.AtLeast);
        EXPECT_LE(list.size(), c.AtMost);
        for (const TonightEntry& e : list) {
            EXPECT_TRUE(c.Groups & (1u << static_cast<unsigned>(e.Object->Kind.Group))) << e.Object->Name;
            EXPECT_LE(e.Magnitude, c.Magnitude.value_or(99.0)) << e.Object->Name;
            if (c.MinSize > 0) {
                EXPECT_GE(e.Object->Size, c.MinSize) << e.Object->Name;
            }
        }
    }
}

TEST_F(Plan, HorizonFileIsReadLineByLine) {
    const HorizonReading r =
        ReadLocalHorizon("# az alt\n0 5\n90,10  # east\n\nsouth 30\n180 , 30\n270\t95\n1 2 3\n+270 -2.5\r\n");
    ASSERT_TRUE(r.Horizon);
    ASSERT_EQ(r.Problems.size(), 3u);
    EXPECT_EQ(r.Problems[0].Line, 5);
    EXPECT_EQ(r.Problems[0].Text, "south 30");
    EXPECT_EQ(r.Problems[1].Line, 7);
    EXPECT_NE(r.Problems[1].Why.find("-90..90"), std::string::npos);
    EXPECT_EQ(r.Problems[2].Line, 8);
    const struct {
        double Azimuth, Altitude;
    } at[] = {{0, 5},      {45, 7.5},   {135, 20},       {180, 30},
              {270, -2.5}, {315, 1.25}, {360 + 45, 7.5}, {-45, 1.25}};
    for (const auto& a : at)
        EXPECT_NEAR(r.Horizon->AltitudeAt(a.Azimuth * Degree) / Degree, a.Altitude, 1e-9) << a.Azimuth;

    for (const char* refused : {"", "# nothing\n", "10 10\n", "10 91\n20 -91\n"})
        EXPECT_FALSE(ReadLocalHorizon(refused).Horizon) << refused;
}

TEST_F(Plan, ASouthernSkylineHidesWhatCulminatesBelowIt) {
    const Night n = Budapest();
    const GeodeticPlace site = Place(47.5, 19.04);
    TonightFilter f;
    f.MinAltitude = 5.0 * Degree;
    const auto open = PlanTonight(n, site, f, nullptr, TonightCandidates());
    const LocalHorizon south({{0, 0},
                              {100 * Degree, 0},
                              {120 * Degree, 30 * Degree},
                              {240 * Degree, 30 * Degree},
                              {260 * Degree, 0}});
    const auto hidden = PlanTonight(n, site, f, &south, TonightCandidates());
    std::size_t removed = 0;
    for (const TonightEntry& e : open) {
        const bool kept = std::any_of(hidden.begin(), hidden.end(),
                                      [&](const TonightEntry& h) { return h.Object == e.Object; });
        // Culminating in the south below the skyline all the dark hours: gone.
        const double culmination = 90.0 * Degree - std::fabs(site.Latitude - e.Object->J2000.Declination);
        if (e.Object->Kind.Group != ObjectGroup::Planet && culmination < 29.0 * Degree &&
            e.Object->J2000.Declination < 0.0) {
            EXPECT_FALSE(kept) << e.Object->Name;
            ++removed;
        }
    }
    EXPECT_GT(removed, 100u);
    for (const TonightEntry& e : hidden) {
        EXPECT_GE(e.BestAltitude,
                  south.AltitudeAt(e.BestAzimuth) - RefractionAt(south.AltitudeAt(e.BestAzimuth)) - 1e-6)
            << e.Object->Name;
    }
    // Rising and setting are on the skyline, through its refraction.
    std::size_t checked = 0;
    for (const TonightEntry& e : hidden) {
        if (e.Object->Kind.Group == ObjectGroup::Planet || ++checked > 300) continue;
        for (const std::optional<double>& t : {e.Rise, e.Set}) {
            if (!t) continue;
            const ObservedDirection d = TrueFrame(site, *t).Observe(ApparentOfDate(e.Object->J2000, *t), *t);
            const double skyline = south.AltitudeAt(d.Azimuth);
            EXPECT_NEAR(d.Altitude, skyline - RefractionAt(skyline), 0.01 * Degree) << e.Object->Name;
        }
    }
}

// The bright catalogue's doubles: a pair or group of catalogue stars within
// 10' is one line, by its brightest or named star, marked a double; a lone
// star stays a star.
TEST_F(Plan, DoublesAreListedOnceAndMarked) {
    constexpr auto Double = static_cast<std::uint8_t>(NgcIcKind::MultipleStar);
    const auto& all = TonightCandidates();
    const auto count = [&](std::string_view name) {
        return std::count_if(all.begin(), all.end(), [&](const Candidate& c) { return c.Name == name; });
    };
    const auto kindOf = [&](std::string_view name) {
        return std::find_if(all.begin(), all.end(), [&](const Candidate& c) { return c.Name == name; })
            ->Kind.NgcIcKind;
    };
    for (const char* name : {"Albireo", "Mizar", "61 Cyg", "Double Double", "epsilon Boo"}) {
        ASSERT_EQ(count(name), 1) << name;
        EXPECT_EQ(kindOf(name), Double) << name;
    }
    EXPECT_EQ(count("epsilon2 Lyr") + count("epsilon1 Lyr"), 0);  // the Double Double's line stands for them
    ASSERT_EQ(count("Vega"), 1);
    EXPECT_NE(kindOf("Vega"), Double);
}

}  // namespace
}  // namespace kolvar
