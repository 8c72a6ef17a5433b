#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "chart/chart_frame.h"

namespace kolvar {

// Which way a polyline passes the edge of the drawable part of a picture
// (see SkyProjection).
enum class CrossingDirection : std::uint8_t { Leaving, Entering };

// Where a closed outline crosses that edge: the horizon circle on the chart,
// the window border in the close-up. Angle is the crossing's place along the
// edge, by which a closure sorts the crossings; in both views it grows
// counter-clockwise on the screen.
struct EdgeCrossing {
    ChartPoint At;
    // Chart: the azimuth of At. Close-up: At's polar angle about the window
    // centre, from straight down toward the right edge.
    double Angle = 0.0;
    CrossingDirection Direction = CrossingDirection::Leaving;
};

// Whether sorted crossings alternate cleanly enough to fill between them: an
// even count, the two of every pair (first and second, third and fourth ...)
// of opposite directions, no two neighbours at one angle, and the last not a
// whole turn past the first.
bool CrossingsPairUp(const std::vector<EdgeCrossing>& sorted);

// The closure of a band along the edge. Sorts the crossings by angle (equal
// angles keep their order) and gives up unless they pair up; then calls
// stretch(open, close) for every stretch of the edge that lies inside the
// band, in order: walking the list, a leaving crossing is stepped over, the
// crossing reached opens a stretch and the one after it (the first, after
// the last) closes it, and the walk goes on after the closing one. A
// leaving crossing at the end opens nothing. `stretch` returns false to end
// the walk.
template <typename Stretch>
void ForEachStretchInside(std::vector<EdgeCrossing>& crossings, Stretch stretch) {
    std::stable_sort(crossings.begin(), crossings.end(),
                     [](const EdgeCrossing& a, const EdgeCrossing& b) { return a.Angle < b.Angle; });
    if (!CrossingsPairUp(crossings)) return;
    const std::size_t n = crossings.size();
    for (std::size_t k = 0; k < n; k += 2) {
        if (crossings[k].Direction == CrossingDirection::Leaving && ++k == n) return;
        if (!stretch(crossings[k], k + 1 < n ? crossings[k + 1] : crossings[0])) return;
    }
}

}  // namespace kolvar
