// The crossing walk that the chart's horizon closure and the close-up's
// border closure share: when crossings pair up, and which stretches of the
// edge they open and close.

#include "chart/edge_crossings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvar {
namespace {

constexpr double Pi = 3.141592653589793;

// "i0 o1" lists an entering crossing at angle 0 and a leaving one at 1.
std::vector<EdgeCrossing> Crossings(const std::vector<std::pair<char, double>>& list) {
    std::vector<EdgeCrossing> out;
    for (const auto& [d, angle] : list)
        out.push_back({{}, angle, d == 'i' ? CrossingDirection::Entering : CrossingDirection::Leaving});
    return out;
}

// The stretches visited, "open>close " each; the walk ends after `stops`.
std::string Stretches(std::vector<EdgeCrossing> crossings, int stops = 100) {
    std::string seen;
    int n = 0;
    ForEachStretchInside(crossings, [&](const EdgeCrossing& open, const EdgeCrossing& close) {
        const auto text = [](double angle) { return std::to_string(static_cast<int>(angle)); };
        seen += text(open.Angle) + ">" + text(close.Angle) + " ";
        return ++n < stops;
    });
    return seen;
}

TEST(EdgeCrossings, PairingDecidesAndStretchesRunFromEachEnteringCrossing) {
    const struct {
        std::vector<std::pair<char, double>> crossings;  // as recorded, unsorted
        std::string stretches;
    } cases[] = {
        {{}, ""},
        {{{'o', 3}, {'i', 0}, {'o', 1}, {'i', 2}}, "0>1 2>3 "},  // sorted by angle first
        {{{'i', 0}, {'o', 1}, {'o', 2}, {'i', 3}}, "0>1 3>0 "},  // pairs alternate, neighbours need not
        {{{'o', 0}, {'i', 1}, {'i', 2}, {'o', 3}}, "1>2 "},  // a leaving crossing at the end opens nothing
        {{{'o', 0}, {'o', 1}, {'i', 2}, {'i', 3}}, ""},      // a pair of one direction
        {{{'i', 0}, {'o', 1}, {'i', 1}, {'o', 2}}, ""},      // neighbours at one angle
        {{{'i', -Pi}, {'o', Pi}}, ""},                       // the last a whole turn past the first
    };
    for (const auto& c : cases) {
        std::vector<EdgeCrossing> sorted = Crossings(c.crossings);
        EXPECT_EQ(Stretches(sorted), c.stretches) << c.stretches;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const EdgeCrossing& a, const EdgeCrossing& b) { return a.Angle < b.Angle; });
        EXPECT_EQ(CrossingsPairUp(sorted), !c.stretches.empty() || c.crossings.empty()) << c.stretches;
    }
    // A stretch that answers false ends the walk.
    EXPECT_EQ(Stretches(Crossings({{'i', 0}, {'o', 1}, {'i', 2}, {'o', 3}}), 1), "0>1 ");
}

}  // namespace
}  // namespace kolvar
