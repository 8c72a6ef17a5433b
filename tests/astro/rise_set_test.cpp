// The rising and setting search on a model sky: a star whose altitude is
// lowest at its lower culmination (t = 1) and highest at t = 0.5.
#include "astro/rise_set.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kolvar {
namespace {

constexpr double TwoPi = 6.283185307179586;

HorizonFunction ModelStar(double meanAltitude, double swing) {
    return [=](double t) {
        return HorizonSample{meanAltitude + swing * std::cos(TwoPi * (t - 0.5)), std::sin(TwoPi * (0.5 - t))};
    };
}

TEST(FindRiseTransitSet, FindsADipShorterThanTheFinestStep) {
    // Below the horizon for about 55 seconds around t = 1: far less than the
    // five-minute step, and the altitude never more than 1e-6 radians under.
    const double swing = 0.5;
    const RiseTransitSet t = FindRiseTransitSet(ModelStar(swing - 1e-6, swing), 0.2, RiseSetSearch{});
    ASSERT_TRUE(t.Set && t.Rise && t.Transit);
    EXPECT_NEAR(*t.Transit, 0.5, 1e-5);
    const double half = std::acos(1.0 - 2e-6) / TwoPi;  // half the dip, in days
    EXPECT_NEAR(*t.Set, 1.0 - half, 1e-5);
    EXPECT_NEAR(*t.Rise, 1.0 + half, 1e-5);
    EXPECT_FALSE(t.NeverRises || t.NeverSets);

    const RiseTransitSet up = FindRiseTransitSet(ModelStar(swing + 1e-6, swing), 0.2, RiseSetSearch{});
    EXPECT_TRUE(up.NeverSets && !up.Rise && !up.Set);
}

TEST(FindRiseTransitSet, AWindowCutByTheRangeClaimsNoNeverRising) {
    // Up only around t = 0.5, which lies beyond the range's end at 0.3.
    const RiseTransitSet t = FindRiseTransitSetUntil(ModelStar(-0.1, 0.2), 0.1, 0.3, RiseSetSearch{});
    EXPECT_FALSE(t.Rise || t.Set || t.NeverRises || t.NeverSets);
    ASSERT_TRUE(t.RangeEnd);
    EXPECT_DOUBLE_EQ(*t.RangeEnd, 0.3);
    // A range past the window changes nothing.
    const RiseTransitSet whole = FindRiseTransitSetUntil(ModelStar(-0.1, 0.2), 0.1, 5.0, RiseSetSearch{});
    EXPECT_TRUE(whole.Rise && whole.Set && !whole.RangeEnd);
}

}  // namespace
}  // namespace kolvar
