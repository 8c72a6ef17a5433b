#include "identify/hit_test.h"

#include <limits>

namespace kolvar {

int NearestVisibleSlot(const SkyObjectTable& objects, const SkyProjection& projection, int x, int y) {
    int best = -1;
    double bestDistance = std::numeric_limits<double>::max();
    for (int i = 0; i < SkyObjectCount; ++i) {
        const SkyObjectEntry& e = objects[static_cast<std::size_t>(i)];
        if (e.Visible != 1) continue;
        const ChartPoint p = projection.Project(e.Azimuth, e.Altitude);
        // Squared distance in extended precision, kept as a double.
        const long double dx = static_cast<long double>(x) - p.X;
        const long double dy = static_cast<long double>(y) - p.Y;
        const double d = static_cast<double>(dx * dx + dy * dy);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best < 0 ? SunSlot : best;
}

SkyObjectEntry HitTest(const SkyObjectTable& objects, const SkyProjection& projection, int x, int y) {
    return objects[static_cast<std::size_t>(NearestVisibleSlot(objects, projection, x, y))];
}

}  // namespace kolvar
