// Draws the chart and a close-up for many random observers, instants, sizes
// and view directions, and compares the Milky Way as painted with the
// outline rings themselves: for sample pixels away from every outline, the
// sky direction of the pixel lies inside the band when it is on the painted
// side (the right of the walking direction) of the nearest ring edge. A
// drawing disagrees when more than a given share of its samples is painted
// the other way (a fill that leaked into the sky or a band left black).
//
//   milky_way_sweep [DRAWINGS [SEED [SHARE]]]     (default 2000 1 0.05)
//
// Prints one line per disagreeing drawing (the kolvar-chart command that
// shows it) and the counts at the end. Not a test: it takes minutes.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "canvas/canvas.h"
#include "catalog/milky_way.h"
#include "catalog/static_tables.h"
#include "chart/milky_way_layer.h"
#include "chart/redraw.h"
#include "closeup/draw_close_up.h"

namespace kolvar {
namespace {

constexpr double Deg = 3.141592653589793 / 180.0;  // as the command line turns degrees
using Vec = std::array<double, 3>;

Vec Cross(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The outline rings turned to one observer's horizon, as unit vectors.
struct Rings {
    std::vector<std::pair<Vec, Vec>> Edges;

    Rings(const ChartFrame& frame, double julianDay) {
        Vec prev{};
        std::int32_t prevShape = ' ';
        for (const MilkyWayPoint& p : MilkyWayOutline) {
            const HorizontalPosition h = EquatorialToHorizontal(frame, p.RightAscension, p.Declination,
                                                                InfinitelyFar, julianDay, Equinox::Catalogue);
            const Vec v = HorizontalVector(h.Azimuth, h.Altitude);
            if (p.Shape == prevShape) Edges.emplace_back(prev, v);
            prev = v;
            prevShape = p.Shape;
        }
    }

    // The angle from d to the nearest edge, and on which side of that edge d
    // lies (the sign of d along the edge's pole).
    std::pair<double, double> Nearest(const Vec& d) const {
        double best = 10.0, side = 0.0;
        for (const auto& [a, b] : Edges) {
            const Vec n = Cross(a, b);
            const double len = std::sqrt(Dot(n, n));
            if (len == 0.0) continue;
            const double s = Dot(d, n) / len;
            double angle;
            if (Dot(Cross(a, d), n) >= 0.0 && Dot(Cross(d, b), n) >= 0.0) {
                angle = std::asin(std::min(1.0, std::abs(s)));
            } else {
                angle = std::acos(std::max(-1.0, std::min(1.0, std::max(Dot(d, a), Dot(d, b)))));
            }
            if (angle < best) {
                best = angle;
                side = s;
            }
        }
        return {best, side};
    }
};

struct Tally {
    int Drawings = 0, Disagreeing = 0;
};

// Samples `count` random pixels of the picture; `direction(x, y, scale)`
// gives the pixel's direction and how many pixels a radian spans there, or
// false for a pixel not to sample. Returns the share of samples painted
// against the rings.
template <typename Direction>
double WrongShare(const Bitmap& picture, const Rings& rings, double painted, std::mt19937& random, int count,
                  Direction direction) {
    std::uniform_int_distribution<int> xs(0, picture.Width() - 1), ys(0, picture.Height() - 1);
    int samples = 0, wrong = 0;
    for (int k = 0; k < count; ++k) {
        const int x = xs(random), y = ys(random);
        Vec d;
        double scale;
        if (!direction(x + 0.5, y + 0.5, d, scale)) continue;
        const Colour c = picture.Pixel(x, y);
        if (c != colours::Black && c != MilkyWayBandColour) continue;  // stars, lines, ground ...
        const auto [angle, side] = rings.Nearest(d);
        if (angle * scale < 5.0) continue;  // the outline and its rounding
        ++samples;
        wrong += ((side * painted > 0.0) != (c == MilkyWayBandColour)) ? 1 : 0;
    }
    return samples == 0 ? 0.0 : static_cast<double>(wrong) / samples;
}

int Run(int drawings, unsigned seed, double share) {
    InitStaticTables();
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> day(2300000.0, 2800000.0), sine(-1.0, 1.0), turn(-180.0, 180.0),
        unit(0.0, 1.0);

    // Which sign of an edge's pole is the painted side: the one the fill
    // seeds lie on.
    ObserverState observer;
    observer.JulianDay = 2451545.0;
    Bitmap chart;
    ChartFrame frame;
    SkyObjectTable objects;
    MoonPicture moon;
    RedrawChart(observer, chart, 400, 300, frame, objects, moon);
    double painted = 0.0;
    {
        const Rings rings(frame, observer.JulianDay);
        int positive = 0;
        for (const MilkyWaySeed& s : MilkyWayFillSeeds) {
            const HorizontalPosition h =
                EquatorialToHorizontal(frame, s.RightAscension, s.Declination, InfinitelyFar,
                                       observer.JulianDay, Equinox::Catalogue);
            positive += rings.Nearest(HorizontalVector(h.Azimuth, h.Altitude)).second > 0.0 ? 1 : 0;
        }
        painted = 2 * positive > MilkyWaySeedCount ? 1.0 : -1.0;
        std::printf("seeds on the painted side: %d of %d\n",
                    painted > 0 ? positive : MilkyWaySeedCount - positive, MilkyWaySeedCount);
    }

    Tally charts, closeUps;
    for (int n = 0; n < drawings; ++n) {
        const double lon = turn(random);
        const double lat = std::asin(sine(random)) / Deg;
        const double jd = day(random);
        const int width = 160 + static_cast<int>(unit(random) * 1100);
        const int height = 120 + static_cast<int>(unit(random) * 800);
        observer.JulianDay = jd;
        observer.Latitude = lat * Deg;
        observer.Longitude = lon * Deg;
        RedrawChart(observer, chart, width, height, frame, objects, moon);
        const Rings rings(frame, jd);

        const double chartWrong =
            WrongShare(chart, rings, painted, random, 400, [&](double x, double y, Vec& d, double& scale) {
                const double dx = x - frame.CentreX, dy = y - frame.CentreY;
                if (std::sqrt(dx * dx + dy * dy) > frame.ChartRadius - 3) return false;
                const HorizontalPosition h = ChartToHorizontal(frame, x, y);
                d = HorizontalVector(h.Azimuth, h.Altitude);
                scale = frame.ChartRadius / (1.0 + std::sin(h.Altitude));
                return true;
            });
        ++charts.Drawings;
        if (chartWrong > share) {
            ++charts.Disagreeing;
            std::printf(
                "render --jd %.17g --lat %.17g --lon %.17g --size %dx%d  # %.0f %% of samples wrong\n", jd,
                lat, lon, width, height, 100 * chartWrong);
        }

        // A close-up around a random direction above the horizon, from this chart.
        const double az = turn(random), alt = std::asin(unit(random)) / Deg;
        const HorizontalPosition view{az * Deg, alt * Deg, 0.0};
        const int w = unit(random) < 0.5 ? DefaultCloseUpWidth : 100 + static_cast<int>(unit(random) * 700);
        const int h = unit(random) < 0.5 ? DefaultCloseUpHeight : 80 + static_cast<int>(unit(random) * 500);
        const MilkyWayDirections band = MilkyWayDirectionsAt(frame, jd);
        const CloseUpSky sky{frame, jd, objects, moon.Picture, band};
        Bitmap picture(w, h, colours::Black);
        Canvas canvas(picture);
        const SkyProjection window = DrawCloseUp(canvas, w, h, view, sky);
        const double diagonal = CloseUpDiagonal(w, h);
        const double closeUpWrong =
            WrongShare(picture, rings, painted, random, 300, [&](double x, double y, Vec& d, double& scale) {
                const HorizontalPosition p = window.Backward(x, y);
                d = HorizontalVector(p.Azimuth, p.Altitude);
                scale = diagonal;  // the least anywhere in the window
                return p.Altitude > 0.0;
            });
        ++closeUps.Drawings;
        if (closeUpWrong > share) {
            ++closeUps.Disagreeing;
            std::printf(
                "closeup --jd %.17g --lat %.17g --lon %.17g --az %.17g --alt %.17g --size %dx%d"
                " --chart-size %dx%d  # %.0f %% of samples wrong\n",
                jd, lat, lon, az, alt, w, h, width, height, 100 * closeUpWrong);
        }
    }
    std::printf("charts: %d drawn, %d disagree\nclose-ups: %d drawn, %d disagree\n", charts.Drawings,
                charts.Disagreeing, closeUps.Drawings, closeUps.Disagreeing);
    return 0;
}

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    const int drawings = argc > 1 ? std::atoi(argv[1]) : 2000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u;
    const double share = argc > 3 ? std::atof(argv[3]) : 0.05;
    return kolvar::Run(drawings, seed, share);
}
