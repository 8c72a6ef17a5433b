// One slot placed on its own as the scene places it, and the rising,
// culmination and setting found on those positions.
#include "sky/slot_position.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "astro/time_scales.h"
#include "sky/observer_state.h"
#include "sky/sky_scene.h"

namespace kolvar {
namespace {

constexpr double Deg = 3.141592653589793 / 180.0;
constexpr int VegaSlot = 1961;   // HR 7001
constexpr int SiriusSlot = 816;  // HR 2491
constexpr int CapellaSlot = 324;
constexpr int PolarisSlot = 3108;

TEST(SlotPlacer, PlacesEverySlotAsTheRedrawDoes) {
    ObserverState observer;
    observer.Longitude = -70.4 * Deg;
    observer.Latitude = -24.6 * Deg;
    observer.JulianDay = 2460710.25;
    const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(observer));
    const SkyObjectTable* objects = &scene->Objects;
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

// Expected times: PyEphem 4.1.4 (tools/check_rise_set.py) as an almanac
// reckons them: the geodetic zenith, the centre (the Sun's and the Moon's
// upper limb) at 34' below the horizon, without a refraction model.
TEST(SlotRiseTransitSet, AgreesWithAnIndependentEphemeris) {
    const struct {
        int slot;
        double latitude, longitude, start;
        double rise, transit, set, seconds;
    } cases[] = {
        {SunSlot, 47.589, 19.064, Utc(2024, 8, 13, 12, 0, 0), Utc(2024, 8, 14, 3, 38, 41),
         Utc(2024, 8, 14, 10, 48, 21), Utc(2024, 8, 13, 17, 58, 49), 120},
        {MoonSlot, 47.589, 19.064, Utc(2024, 8, 13, 12, 0, 0), Utc(2024, 8, 13, 13, 9, 15),
         Utc(2024, 8, 13, 17, 16, 46), Utc(2024, 8, 13, 21, 17, 42), 180},
        {SiriusSlot, 47.589, 19.064, Utc(2024, 8, 13, 12, 0, 0), Utc(2024, 8, 14, 3, 11, 1),
         Utc(2024, 8, 14, 7, 57, 1), Utc(2024, 8, 13, 12, 46, 57), 120},
        // Capella at Hobart, low in the north for two and a half hours.
        {CapellaSlot, -42.8821, 147.3272, Utc(2025, 1, 1, 0, 0, 0), Utc(2025, 1, 1, 11, 26, 4),
         Utc(2025, 1, 1, 12, 43, 34), Utc(2025, 1, 1, 14, 1, 5), 120},
        {FirstPlanetSlot + 3, 47.5, 19.04, Utc(2026, 12, 9, 12, 0, 0), Utc(2026, 12, 9, 20, 24, 10),
         Utc(2026, 12, 10, 3, 26, 23), Utc(2026, 12, 10, 10, 28, 36), 120},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        SlotPlacer placer(c.longitude * Deg, c.latitude * Deg, PlacementFrame::True);
        const RiseTransitSet t = SlotRiseTransitSet(placer, c.slot, c.start);
        ExpectNear(t.Rise, c.rise, c.seconds, "rise");
        ExpectNear(t.Transit, c.transit, c.seconds, "transit");
        ExpectNear(t.Set, c.set, c.seconds, "set");
        EXPECT_FALSE(t.NeverRises || t.NeverSets || t.RangeEnd);
    }
}

TEST(SlotPlacer, TrueFrameGivesTheAlmanacAltitude) {
    // PyEphem, without refraction: 47.28890 degrees; the chart's frame 47.48.
    SlotPlacer placer(19.04 * Deg, 47.5 * Deg, PlacementFrame::True);
    EXPECT_NEAR(placer.Place(PolarisSlot, 2460536.375).Altitude / Deg, 47.2889, 0.005);
}

TEST(SlotRiseTransitSet, StopsWhereThePlanetsPositionsEnd) {
    SlotPlacer placer(DefaultLongitude, DefaultLatitude, PlacementFrame::True);
    const RiseTransitSet t = SlotRiseTransitSet(placer, FirstPlanetSlot + 4, 113573345.79);
    ASSERT_TRUE(t.RangeEnd);
    EXPECT_LT(*t.RangeEnd, 113573345.79 + 2.0);
    EXPECT_FALSE(t.NeverRises || t.NeverSets);
    if (t.Set) {
        EXPECT_LE(*t.Set, *t.RangeEnd);
    }
}

TEST(SlotRiseTransitSet, CircumpolarAndNeverRisingStars) {
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
