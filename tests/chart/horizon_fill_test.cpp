// Which stretches of the horizon the Milky Way layer fills from, given the
// list of outline crossings.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chart/milky_way_layer.h"

namespace kolvar {
namespace {

constexpr double Pi = 3.141592653589793;

class HorizonFill : public ::testing::Test {
protected:
    ChartFrame frame = ComputeChartFrame(400, 300, ObserverState{});  // centre (200, 150), radius 135

    std::vector<ChartPoint> Points(std::vector<EdgeCrossing> list) { return HorizonFillPoints(frame, list); }

    static EdgeCrossing In(double azimuth) { return {{}, azimuth, CrossingDirection::Entering}; }
    static EdgeCrossing Out(double azimuth) { return {{}, azimuth, CrossingDirection::Leaving}; }

    // The fill point for a stretch centred on `azimuth`: 3 pixels outside the horizon.
    void ExpectAt(ChartPoint p, double azimuth) {
        EXPECT_NEAR(p.X, 200 - 138 * std::sin(azimuth), 1e-3) << azimuth;
        EXPECT_NEAR(p.Y, 150 - 138 * std::cos(azimuth), 1e-3) << azimuth;
    }
};

TEST_F(HorizonFill, NoCrossingsNoFill) { EXPECT_TRUE(Points({}).empty()); }

TEST_F(HorizonFill, StretchFromEnteringToLeavingCrossing) {
    const auto p = Points({In(0.0), Out(1.0)});
    ASSERT_EQ(p.size(), 1u);
    ExpectAt(p[0], 0.5);
}

TEST_F(HorizonFill, StretchWrapsPastTheEndOfTheList) {
    // Sorted: leaving at -1, entering at 1; the band runs from 1 on round to -1 + 2 pi.
    const auto p = Points({In(1.0), Out(-1.0)});
    ASSERT_EQ(p.size(), 1u);
    ExpectAt(p[0], Pi);
}

TEST_F(HorizonFill, ListIsSortedByAzimuthFirst) {
    std::vector<EdgeCrossing> list{Out(2.0), In(0.0), Out(1.0), In(1.5)};
    const auto p = HorizonFillPoints(frame, list);
    ASSERT_EQ(p.size(), 2u);
    ExpectAt(p[0], 0.5);
    ExpectAt(p[1], 1.75);
    EXPECT_EQ(list[0].Angle, 0.0);
    EXPECT_EQ(list[3].Angle, 2.0);
}

TEST_F(HorizonFill, CrossingsThatDoNotPairUpFillNothing) {
    EXPECT_TRUE(Points({In(0.0), Out(1.0), In(2.0)}).empty());            // odd count
    EXPECT_TRUE(Points({In(0.0), In(1.0)}).empty());                      // pair of one direction
    EXPECT_TRUE(Points({In(0.0), Out(1.0), In(1.0), Out(2.0)}).empty());  // neighbours on one azimuth
    EXPECT_TRUE(Points({In(-Pi), Out(Pi)}).empty());                      // last = first + 2 pi
}

TEST_F(HorizonFill, StretchesOfFivePixelsOrLessAreSkipped) {
    EXPECT_TRUE(Points({In(0.0), Out(0.03)}).empty());   // 4.05 pixels
    EXPECT_EQ(Points({In(0.0), Out(0.04)}).size(), 1u);  // 5.4 pixels
    // The same crossings on a larger chart are long enough.
    frame = ComputeChartFrame(2000, 2000, ObserverState{});
    EXPECT_EQ(Points({In(0.0), Out(0.03)}).size(), 1u);
}

TEST_F(HorizonFill, LeavingCrossingAtTheEndOpensNothing) {
    // o i | i o: the first pair opens at 1 and closes at 2; the final leaving one is stepped over
    // and the walk ends there.
    const auto p = Points({Out(0.0), In(1.0), In(2.0), Out(3.0)});
    ASSERT_EQ(p.size(), 1u);
    ExpectAt(p[0], 1.5);
}

TEST_F(HorizonFill, TwoBandsAcrossTheHorizon) {
    // i o i o around the horizon: two stretches, each from its entering crossing.
    const auto p = Points({In(-2.0), Out(-1.0), In(1.0), Out(2.5)});
    ASSERT_EQ(p.size(), 2u);
    ExpectAt(p[0], -1.5);
    ExpectAt(p[1], 1.75);
}

}  // namespace
}  // namespace kolvar
