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

ObserverFrame ComputeObserverFrame(const ObserverState& observer) {
    ObserverFrame f;
    const double phi = observer.Latitude;
    const double lambda = observer.Longitude;
    const double k = EarthRadiusAu;  // the observer stands on the Earth's surface
    const double a = k * (0.99833 + 0.00167 * std::cos(2.0 * phi));
    const double b = k * (-0.00334) * std::sin(2.0 * phi);
    f.ObserverOffset = {a * std::cos(phi) * std::cos(lambda), a * std::cos(phi) * std::sin(lambda),
                        a * std::sin(phi)};

    const double t = b * std::cos(phi) - a * std::sin(phi);
    std::array<double, 3> n{std::cos(lambda) * t, std::sin(lambda) * t,
                            a * std::cos(phi) + b * std::sin(phi)};
    const double len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (double& c : n) c /= len;
    const std::array<double, 3> w{std::sin(lambda), -std::cos(lambda), 0.0};
    const std::array<double, 3> z{n[1] * w[2] - n[2] * w[1], n[2] * w[0] - n[0] * w[2],
                                  n[0] * w[1] - n[1] * w[0]};
    f.LocalFrame = {n, w, z};
    f.SiderealAngle = GreenwichSiderealAngle(observer.JulianDay);
    return f;
}

ObserverFrame ComputeTrueFrame(const ObserverState& observer) {
    ObserverFrame f = ComputeObserverFrame(observer);
    const double phi = observer.Latitude;
    const double lambda = observer.Longitude;
    const std::array<double, 3> north{-std::sin(phi) * std::cos(lambda), -std::sin(phi) * std::sin(lambda),
                                      std::cos(phi)};
    const std::array<double, 3> west{std::sin(lambda), -std::cos(lambda), 0.0};
    const std::array<double, 3> up{std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda),
                                   std::sin(phi)};
    f.LocalFrame = {north, west, up};
    return f;
}

ObserverFrame FrameAtInstant(const ObserverFrame& frame, double julianDay) {
    ObserverFrame f = frame;
    f.SiderealAngle = GreenwichSiderealAngle(julianDay);
    return f;
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

HorizontalPosition EquatorialToHorizontal(const ObserverFrame& frame, double rightAscension,
                                          double declination, double distance, double julianDay,
                                          Equinox equinox) {
    const SphericalPosition p = equinox == Equinox::Catalogue
                                    ? PrecessToDate(rightAscension, declination, distance, julianDay)
                                    : SphericalPosition{rightAscension, declination, distance};
    double r = p.Distance;
    if (r == 0.0) r = InfinitelyFar;
    const double h = p.Longitude - frame.SiderealAngle;
    const double cd = std::cos(p.Latitude);
    std::array<double, 3> v{r * cd * std::cos(h), r * cd * std::sin(h), r * std::sin(p.Latitude)};
    for (int j = 0; j < 3; ++j) v[j] -= frame.ObserverOffset[j];
    std::array<double, 3> u{};
    for (int i = 0; i < 3; ++i)
        u[i] = frame.LocalFrame[i][0] * v[0] + frame.LocalFrame[i][1] * v[1] + frame.LocalFrame[i][2] * v[2];
    HorizontalPosition out;
    out.Azimuth = -std::atan2(u[1], u[0]);
    const double horizontal = std::sqrt(u[0] * u[0] + u[1] * u[1]);
    out.Distance = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
    out.Altitude = std::atan2(u[2], horizontal);
    return out;
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
