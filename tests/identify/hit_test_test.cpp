// The object a click names: the nearest visible entry of the table, under the
// chart's projection or the close-up's.
#include "identify/hit_test.h"

#include <gtest/gtest.h>

#include <cmath>

#include "identify_test_setup.h"

namespace kolvar {
namespace {

// A close-up window looking south-east, 20 degrees up; `At` places an entry
// at the direction of a pixel of it.
const SkyProjection View = SkyProjection::Gnomonic(ComputeCloseUpFrame({2.4, 0.35, 0}), 400, 300);

SkyObjectEntry At(int kind, int index, double x, double y, bool visible = true) {
    const HorizontalPosition h = View.Backward(x, y);
    SkyObjectEntry e = PlaceObject(static_cast<std::uint8_t>(kind), index, -1, {h.Azimuth, h.Altitude, 1.0});
    e.Visible = visible ? 1 : 0;
    return e;
}

TEST(HitTest, NearestVisibleSlotWithTiesToTheLowerSlot) {
    SkyObjectTable table;  // every slot invisible
    auto slot = [&](int x, int y) { return NearestVisibleSlot(table, View, x, y); };

    table[SunSlot] = At(KindSun, 0, 300, 200, false);
    EXPECT_EQ(slot(10, 10), SunSlot);  // nothing visible: the Sun, although it is not
    EXPECT_EQ(HitTest(table, View, 10, 10).Visible, 0);

    table[FirstStarSlot + 7] = At(KindStar, 7, 100, 100);
    table[FirstPlanetSlot + 2] = At(KindPlanet, 2, 101, 100);
    table[FirstDeepSkySlot] = At(KindDeepSky, 0, 99, 100);
    table[MoonSlot] = At(KindMoon, 0, 100, 100, false);  // on the pixel, but below the horizon
    EXPECT_EQ(slot(100, 100), FirstStarSlot + 7);        // exactly on the star beats the planet 1 px away
    EXPECT_EQ(slot(101, 100), FirstPlanetSlot + 2);
    EXPECT_EQ(slot(10, 100), FirstDeepSkySlot);  // far from everything: still the nearest
    table[FirstDeepSkySlot] = table[FirstPlanetSlot + 2];
    EXPECT_EQ(slot(101, 100), FirstPlanetSlot + 2);  // both on one pixel: the lower slot
    table[FirstStarSlot + 3] = At(KindStar, 3, 100, 102);
    table[FirstStarSlot + 9] = table[FirstStarSlot + 3];
    EXPECT_EQ(slot(100, 101), FirstStarSlot + 3);  // two stars on one pixel: the lower index

    // A direction behind the viewer lands far away: any direction in front
    // beats it. One that projects nowhere (NaN) is never named.
    SkyObjectTable two;
    two[FirstStarSlot] =
        PlaceObject(KindStar, 0, -1, {2.4 + 1.77, 0.1, 1.0});  // 99 degrees off, above the horizon
    two[FirstStarSlot + 1] = At(KindStar, 1, 399, 299);
    EXPECT_EQ(NearestVisibleSlot(two, View, 0, 0), FirstStarSlot + 1);
    two[FirstStarSlot + 1] = SkyObjectEntry{};
    two[FirstStarSlot].Azimuth = NAN;
    EXPECT_EQ(NearestVisibleSlot(two, SkyProjection::Stereographic({}), 0, 0), SunSlot);
}

TEST(HitTest, DrawnChartNamesTheStarUnderThePointerAndNothingBelowTheHorizon) {
    ChartFrame frame;
    static SkyObjectTable objects;
    testing::DrawEveningChart(800, 600, frame, objects);

    const int alpheratz = FirstStarSlot + testing::StarIndexOfHr(15);
    ASSERT_EQ(objects[alpheratz].Visible, 1);
    const SkyProjection chart = SkyProjection::Stereographic(frame);
    const ChartPoint p = ProjectToChart(frame, objects[alpheratz].Azimuth, objects[alpheratz].Altitude);
    EXPECT_EQ(NearestVisibleSlot(objects, chart, static_cast<int>(p.X), static_cast<int>(p.Y)), alpheratz);
    const SkyObjectEntry named = HitTest(objects, chart, static_cast<int>(p.X), static_cast<int>(p.Y));
    EXPECT_EQ(named.Kind, KindStar);
    EXPECT_EQ(named.Index, alpheratz - FirstStarSlot);

    // Outside the horizon circle, where objects below the horizon project,
    // the corners still name objects above it.
    for (const auto& [x, y] : {std::pair{0, 0}, {799, 0}, {0, 599}, {799, 599}, {400, 599}})
        EXPECT_EQ(HitTest(objects, chart, x, y).Visible, 1) << x << "," << y;
}

}  // namespace
}  // namespace kolvar
