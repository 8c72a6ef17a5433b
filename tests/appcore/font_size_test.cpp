#include "appcore/font_size.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace kolvar {
namespace {

std::vector<int> Repeat(int start, int times, int (*step)(int)) {
    std::vector<int> seen;
    for (int i = 0; i < times; ++i) seen.push_back(start = step(start));
    return seen;
}

TEST(FontSize, GrowingFromTwelve) {
    EXPECT_EQ(Repeat(12, 5, GrowFontSize), (std::vector<int>{16, 22, 31, 43, 60}));
}

TEST(FontSize, ShrinkingStopsAtSix) {
    EXPECT_EQ(Repeat(12, 4, ShrinkFontSize), (std::vector<int>{8, 5, 5, 5}));
    EXPECT_EQ(ShrinkFontSize(7), 4);
    EXPECT_EQ(ShrinkFontSize(6), 6);
    EXPECT_EQ(ShrinkFontSize(-20), -20);
}

TEST(FontSize, GrowThenShrinkDoesNotRestore) { EXPECT_EQ(ShrinkFontSize(GrowFontSize(12)), 11); }

TEST(FontSize, GrowingStopsBelowTheLimit) {
    std::vector<int> seen = Repeat(12, 40, GrowFontSize);
    EXPECT_EQ(seen.back(), 931);  // 659 -> 931; 931 x sqrt(2) = 1316 is past the limit
    EXPECT_EQ(GrowFontSize(931), 931);
    EXPECT_EQ(GrowFontSize(707), 999);
    EXPECT_EQ(GrowFontSize(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
    EXPECT_EQ(GrowFontSize(std::numeric_limits<int>::min()), std::numeric_limits<int>::min());
    EXPECT_EQ(GrowFontSize(-12), -16);
}

}  // namespace
}  // namespace kolvar
