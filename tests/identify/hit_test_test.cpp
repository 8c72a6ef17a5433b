// The object a click names: the nearest visible entry of the table, under the
// chart's projection or any other.
#include <gtest/gtest.h>

#include <cmath>

#include "identify/hit_test.h"
#include "identify_test_setup.h"

namespace kolvar {
namespace {

// A projection that reads the entry's azimuth and altitude as its pixel.
ChartPoint Flat(double azimuth, double altitude) {
    return {static_cast<float>(azimuth), static_cast<float>(altitude)};
}

SkyObjectEntry At(int kind, int index, double x, double y, bool visible = true) {
    SkyObjectEntry e = PlaceObject(static_cast<std::uint8_t>(kind), index, -1, {x, y, 1.0});
    e.Visible = visible ? 1 : 0;
    return e;
}

TEST(HitTest, NearestVisibleSlotWithTiesToTheLowerSlot) {
    SkyObjectTable table;  // every slot invisible
    auto slot = [&](double x, double y) { return NearestVisibleSlot(table, static_cast<int>(x), static_cast<int>(y), Flat); };

    table[SunSlot] = At(KindSun, 0, 500, 500, false);
    EXPECT_EQ(slot(10, 10), SunSlot);  // nothing visible: the Sun, although it is not
    EXPECT_EQ(HitTestCloseUp(table, 10, 10, Flat).Visible, 0);

    table[FirstStarSlot + 7] = At(KindStar, 7, 100, 100);
    table[FirstPlanetSlot + 2] = At(KindPlanet, 2, 101, 100);
    table[FirstDeepSkySlot] = At(KindDeepSky, 0, 99, 100);
    table[MoonSlot] = At(KindMoon, 0, 100, 100, false);  // on the pixel, but below the horizon
    EXPECT_EQ(slot(100, 100), FirstStarSlot + 7);        // exactly on the star beats the planet 1 px away
    EXPECT_EQ(slot(101, 100), FirstPlanetSlot + 2);
    EXPECT_EQ(slot(50, 100), FirstDeepSkySlot);          // far from everything: still the nearest
    table[FirstDeepSkySlot] = At(KindDeepSky, 0, 102, 100);
    EXPECT_EQ(slot(101, 100), FirstPlanetSlot + 2);      // one pixel from both: the lower slot
    table[FirstStarSlot + 3] = At(KindStar, 3, 100, 102);
    EXPECT_EQ(slot(100, 101), FirstStarSlot + 3);        // two stars 1 px away: the lower index

    // A projection that cannot show an object (NaN) never names it.
    const SkyProjection blind = [](double, double) { return ChartPoint{NAN, NAN}; };
    EXPECT_EQ(NearestVisibleSlot(table, 100, 100, blind), SunSlot);
}

TEST(HitTest, DrawnChartNamesTheStarUnderThePointerAndNothingBelowTheHorizon) {
    ChartFrame frame;
    static SkyObjectTable objects;
    testing::DrawEveningChart(800, 600, frame, objects);

    const int alpheratz = FirstStarSlot + testing::StarIndexOfHr(15);
    ASSERT_EQ(objects[alpheratz].Visible, 1);
    const ChartPoint p = ProjectToChart(frame, objects[alpheratz].Azimuth, objects[alpheratz].Altitude);
    EXPECT_EQ(HitTestChartSlot(objects, frame, static_cast<int>(p.X), static_cast<int>(p.Y)), alpheratz);
    const SkyObjectEntry named = HitTestChart(objects, frame, static_cast<int>(p.X), static_cast<int>(p.Y));
    EXPECT_EQ(named.Kind, KindStar);
    EXPECT_EQ(named.Index, alpheratz - FirstStarSlot);

    // Outside the horizon circle, where objects below the horizon project,
    // the corners still name objects above it.
    for (const auto& [x, y] : {std::pair{0, 0}, {799, 0}, {0, 599}, {799, 599}, {400, 599}})
        EXPECT_EQ(HitTestChart(objects, frame, x, y).Visible, 1) << x << "," << y;
}

}  // namespace
}  // namespace kolvar
