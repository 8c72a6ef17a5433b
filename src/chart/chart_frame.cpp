#include "chart/chart_frame.h"

#include <algorithm>
#include <cmath>

#include "astro/spherical_position.h"
#include "astro/sun_moon.h"
#include "astro/time_scales.h"
#include "astro/transforms.h"
#include "chart/pixel_rules.h"

namespace kolvar {

namespace {
constexpr double QuarterPi = 0.7853981633974483;
constexpr double HalfPi = 1.5707963267948966;
}  // namespace

ChartGeometry ComputeChartGeometry(int chartWidth, int chartHeight) {
    ChartGeometry g;
    g.ChartWidth = chartWidth;
    g.ChartHeight = chartHeight;
    g.CentreX = TruncToInt(chartWidth * 0.5);
    g.CentreY = TruncToInt(chartHeight * 0.5);
    const int shorter = chartWidth < chartHeight ? chartWidth : chartHeight;
    g.ChartRadius = TruncToInt((shorter / 2) * 0.9);
    return g;
}

ChartFrame FrameOnChart(const ChartGeometry& geometry, const ObserverFrame& frame) {
    ChartFrame f;
    static_cast<ChartGeometry&>(f) = geometry;
    static_cast<ObserverFrame&>(f) = frame;
    return f;
}

ChartFrame ComputeChartFrame(int chartWidth, int chartHeight, const ObserverState& observer) {
    return FrameOnChart(ComputeChartGeometry(chartWidth, chartHeight), ComputeObserverFrame(observer));
}

ChartPoint ProjectToChart(const ChartGeometry& frame, double azimuth, double altitude) {
    const double rho = std::tan(QuarterPi - altitude * 0.5);
    const double x = frame.ChartRadius * (std::sin(azimuth) * (-rho)) + frame.CentreX;
    const double y = frame.ChartRadius * (std::cos(azimuth) * (-rho)) + frame.CentreY;
    return {static_cast<float>(x), static_cast<float>(y)};
}

HorizontalPosition ChartToHorizontal(const ChartGeometry& frame, double x, double y) {
    const double f = (x - frame.CentreX) / frame.ChartRadius;
    const double g = (y - frame.CentreY) / frame.ChartRadius;
    const double d = std::sqrt(f * f + g * g);
    HorizontalPosition out;
    out.Azimuth = d > 0.0 ? std::atan2(-f / d, -g / d) : 0.0;
    out.Altitude = HalfPi - 2.0 * std::atan2(d, 1.0);
    return out;
}

ChartPoint HorizonCrossing(const ChartGeometry& frame, ChartPoint p1, ChartPoint p2) {
    const double dx = static_cast<double>(p2.X) - p1.X;
    const double dy = static_cast<double>(p2.Y) - p1.Y;
    const double ex = static_cast<double>(p1.X) - frame.CentreX;
    const double ey = static_cast<double>(p1.Y) - frame.CentreY;
    const double b = dx * ex + dy * ey;
    const double a = dx * dx + dy * dy;
    if (!(a > 0.0)) return p1;  // no length: a chart of radius 0 projects every point on its centre
    const double r = frame.ChartRadius;
    const double q = (b * b) / (a * a) - (ex * ex + ey * ey - r * r) / a;
    // A line that misses the circle by a rounding error touches it.
    const double root = q > 0.0 ? std::sqrt(q) : 0.0;
    const double t1 = root - b / a;
    const double t2 = -root - b / a;
    const auto fits = [](double t) { return t >= 0.0 && t <= 1.0; };
    const auto outside = [](double t) { return t < 0.0 ? -t : t - 1.0; };
    double t;
    if (fits(t1)) {
        t = t1;
    } else if (fits(t2)) {
        t = t2;
    } else {
        // The drawable end was decided on the exact altitude but projected to
        // float: it may lie a hair outside the circle, so that neither root
        // falls on the segment. The root nearest to it, held to the segment,
        // keeps the crossing on the circle between the two ends.
        t = std::clamp(outside(t1) <= outside(t2) ? t1 : t2, 0.0, 1.0);
    }
    return {static_cast<float>(p1.X + t * dx), static_cast<float>(p1.Y + t * dy)};
}

ChartPoint PointBeyondHorizon(const ChartGeometry& frame, ChartPoint p, double offset) {
    const double dx = static_cast<double>(p.X) - frame.CentreX;
    const double dy = static_cast<double>(p.Y) - frame.CentreY;
    const double scale = (frame.ChartRadius + offset) / std::sqrt(dx * dx + dy * dy);
    return {static_cast<float>(frame.CentreX + dx * scale), static_cast<float>(frame.CentreY + dy * scale)};
}

}  // namespace kolvar
