#include "plan/horizon_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "appcore/program_path.h"
#include "astro/angles.h"
#include "plan/observing_list.h"

namespace kolvar {

namespace {}  // namespace

std::filesystem::path DrawnHorizonPath() { return KolvarDataFolder() / "horizon.txt"; }

std::size_t AddHorizonPoint(std::vector<LocalHorizon::Point>& points, LocalHorizon::Point point) {
    point.Azimuth = std::fmod(point.Azimuth, 2 * Pi);
    if (point.Azimuth < 0.0) point.Azimuth += 2 * Pi;
    point.Altitude = std::clamp(point.Altitude, 0.0, Pi / 2);
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (std::abs(std::remainder(points[k].Azimuth - point.Azimuth, 2 * Pi)) < 0.5 / DegreesPerRadian) {
            points[k] = point;
            return k;
        }
    }
    const auto at = std::lower_bound(points.begin(), points.end(), point,
                                     [](const auto& a, const auto& b) { return a.Azimuth < b.Azimuth; });
    const auto index = at - points.begin();
    points.insert(at, point);
    return static_cast<std::size_t>(index);
}

std::string LocalHorizonText(std::span<const LocalHorizon::Point> points) {
    std::string text = "# local horizon drawn in Kolvar: azimuth altitude, degrees\n";
    for (const LocalHorizon::Point& p : points) {
        char line[48];
        // To the tenth of a degree, never "-0.0".
        const auto tenth = [](double radians) {
            return std::round(radians * DegreesPerRadian * 10.0) / 10.0 + 0.0;
        };
        std::snprintf(line, sizeof line, "%.1f %.1f\n", tenth(p.Azimuth), tenth(p.Altitude));
        text += line;
    }
    return text;
}

}  // namespace kolvar
