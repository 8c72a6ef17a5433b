#include "identify/hit_test.h"

#include <limits>

namespace kolvar {

namespace {

template <typename Project>
int Nearest(const SkyObjectTable& objects, int x, int y, Project&& project) {
    int best = -1;
    double bestDistance = std::numeric_limits<double>::max();
    for (int i = 0; i < SkyObjectCount; ++i) {
        const SkyObjectEntry& e = objects[static_cast<std::size_t>(i)];
        if (e.Visible != 1) continue;
        const ChartPoint p = project(e.Azimuth, e.Altitude);
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

}  // namespace

int NearestVisibleSlot(const SkyObjectTable& objects, int x, int y, const SkyProjection& project) {
    return Nearest(objects, x, y, project);
}

int HitTestChartSlot(const SkyObjectTable& objects, const ChartFrame& frame, int x, int y) {
    return Nearest(objects, x, y,
                   [&frame](double azimuth, double altitude) { return ProjectToChart(frame, azimuth, altitude); });
}

SkyObjectEntry HitTestChart(const SkyObjectTable& objects, const ChartFrame& frame, int x, int y) {
    return objects[static_cast<std::size_t>(HitTestChartSlot(objects, frame, x, y))];
}

SkyObjectEntry HitTestCloseUp(const SkyObjectTable& objects, int x, int y, const SkyProjection& project) {
    return objects[static_cast<std::size_t>(Nearest(objects, x, y, project))];
}

}  // namespace kolvar
