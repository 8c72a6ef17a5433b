// One slot placed on its own as the redraw places it, and the rising,
// culmination and setting found on those positions.
#include "chart/slot_position.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "astro/time_scales.h"
#include "chart/draw_sky.h"
#include "chart/observer_state.h"
#include "chart_test_setup.h"

namespace kolvar {
namespace {

constexpr double Deg = 3.141592653589793 / 180.0;
constexpr int VegaSlot = 1961;   // HR 7001
constexpr int SiriusSlot = 816;  // HR 2491

TEST(SlotPlacer, PlacesEverySlotAsTheRedrawDoes) {
    InitialiseChartTables();
    ObserverState observer;
    observer.Longitude = -70.4 * Deg;
    observer.Latitude = -24.6 * Deg;
    observer.JulianDay = 2460710.25;
    observer.SiderealAngle = GreenwichSiderealAngle(observer.JulianDay);
    const ChartFrame frame = ComputeChartFrame(800, 600, observer);
    const auto objects = std::make_unique<SkyObjectTable>();
    PlaceSkyObjects(ChartContext{frame, observer.JulianDay, *objects});
    SlotPlacer placer(observer.Longitude, observer.Latitude);
    for (int slot = 0; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry a = placer.Place(slot, observer.JulianDay);
        const SkyObjectEntry& b = (*objects)[static_cast<std::size_t>(slot)];
        EXPECT_TRUE(a.Kind == b.Kind && a.Index == b.Index && a.Visible == b.Visible &&
                    a.SignIndex == b.SignIndex && a.Azimuth == b.Azimuth && a.Altitude == b.Altitude &&
                    a.Distance == b.Distance)
            << slot;
    }
}

double Utc(int year, int month, int day, int hour, int minute, int second) {
    return static_cast<double>(JulianDayFromCalendar(year, month, day, hour, minute, second, false, 0.0));
}

void ExpectNear(const std::optional<double>& found, double expected, double seconds, const char* what) {
    ASSERT_TRUE(found.has_value()) << what;
    EXPECT_NEAR(*found, expected, seconds / 86400.0) << what;
}

// Expected times: PyEphem 4.1.4 (tools/check_rise_set.py) at the default
// place from 13 August 2024, 12 h UT; the stars without refraction, the Sun
// and the Moon with its default refraction and upper limb.
TEST(SlotRiseTransitSet, AgreesWithAnIndependentEphemeris) {
    InitialiseChartTables();
    SlotPlacer placer(DefaultLongitude, DefaultLatitude);
    const double start = Utc(2024, 8, 13, 12, 0, 0);
    const struct {
        int slot;
        double rise, transit, set, seconds;
    } cases[] = {
        {SunSlot, Utc(2024, 8, 14, 3, 38, 21), Utc(2024, 8, 14, 10, 48, 21), Utc(2024, 8, 13, 17, 59, 9),
         120},
        {MoonSlot, Utc(2024, 8, 13, 13, 8, 51), Utc(2024, 8, 13, 17, 16, 46), Utc(2024, 8, 13, 21, 18, 6),
         180},
        {SiriusSlot, Utc(2024, 8, 14, 3, 14, 43), Utc(2024, 8, 14, 7, 57, 1), Utc(2024, 8, 13, 12, 43, 15),
         120},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        const RiseTransitSet t = SlotRiseTransitSet(placer, c.slot, start);
        ExpectNear(t.Rise, c.rise, c.seconds, "rise");
        ExpectNear(t.Transit, c.transit, c.seconds, "transit");
        ExpectNear(t.Set, c.set, c.seconds, "set");
        EXPECT_FALSE(t.NeverRises || t.NeverSets);
    }
}

TEST(SlotRiseTransitSet, CircumpolarAndNeverRisingStars) {
    InitialiseChartTables();
    const double start = 2460536.375;
    SlotPlacer north(DefaultLongitude, 60.0 * Deg);
    const RiseTransitSet up = SlotRiseTransitSet(north, VegaSlot, start);
    EXPECT_TRUE(up.NeverSets);
    EXPECT_FALSE(up.NeverRises || up.Rise || up.Set);
    EXPECT_TRUE(up.Transit && *up.Transit > start && *up.Transit < start + 1.0);

    SlotPlacer south(DefaultLongitude, -60.0 * Deg);
    const RiseTransitSet down = SlotRiseTransitSet(south, VegaSlot, start);
    EXPECT_TRUE(down.NeverRises);
    EXPECT_FALSE(down.NeverSets || down.Rise || down.Set);
}

}  // namespace
}  // namespace kolvar
