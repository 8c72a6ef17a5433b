#include "chart/edge_crossings.h"

#include "astro/angles.h"

namespace kolvar {

bool CrossingsPairUp(const std::vector<EdgeCrossing>& sorted) {
    const std::size_t n = sorted.size();
    if (n % 2 != 0) return false;
    for (std::size_t k = 0; k + 1 < n; k += 2)
        if (sorted[k].Direction == sorted[k + 1].Direction) return false;
    for (std::size_t k = 0; k + 1 < n; ++k)
        if (sorted[k].Angle == sorted[k + 1].Angle) return false;
    return n == 0 || sorted[n - 1].Angle != sorted[0].Angle + TwoPi;
}

}  // namespace kolvar
