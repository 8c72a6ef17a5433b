#include "chart/close_up_frame.h"

#include <cmath>

namespace kolvar {

namespace {

double Dot(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

}  // namespace

CloseUpFrame ComputeCloseUpFrame(const HorizontalPosition& view) {
    const double ca = std::cos(view.Azimuth), sa = std::sin(view.Azimuth);
    const double ch = std::cos(view.Altitude), sh = std::sin(view.Altitude);
    CloseUpFrame f;
    f.U = {-sa, ca, 0.0};
    f.V = {sh * ca, sh * sa, -ch};
    f.W = {ch * ca, ch * sa, sh};
    return f;
}

double AngleFromViewAxis(const CloseUpFrame& frame, double azimuth, double altitude) {
    const double c = Dot(HorizontalVector(azimuth, altitude), frame.W);
    return std::acos(c > 1.0 ? 1.0 : c < -1.0 ? -1.0 : c);
}

double CloseUpDiagonal(int width, int height) {
    return std::sqrt(static_cast<double>(width) * width + static_cast<double>(height) * height);
}

ChartPoint ProjectCloseUp(const CloseUpFrame& frame, double azimuth, double altitude, int width, int height) {
    const std::array<double, 3> p = HorizontalVector(azimuth, altitude);
    const double a = Dot(p, frame.W);
    if (!(a > 0.0)) return {CloseUpFarAway, CloseUpFarAway};
    const double d = CloseUpDiagonal(width, height) * frame.Zoom;
    return {static_cast<float>(0.5 * width + d * Dot(p, frame.U) / a),
            static_cast<float>(0.5 * height + d * Dot(p, frame.V) / a)};
}

HorizontalPosition UnprojectCloseUp(const CloseUpFrame& frame, double x, double y, int width, int height) {
    const double d = CloseUpDiagonal(width, height) * frame.Zoom;
    const double e = (x - 0.5 * width) / d;
    const double f = (y - 0.5 * height) / d;
    const double k = 1.0 / std::sqrt(e * e + f * f + 1.0);
    std::array<double, 3> p{};
    for (int i = 0; i < 3; ++i) p[i] = e * k * frame.U[i] + f * k * frame.V[i] + k * frame.W[i];
    HorizontalPosition out;
    out.Azimuth = std::atan2(p[1], p[0]);
    out.Altitude = std::atan2(p[2], std::sqrt(p[0] * p[0] + p[1] * p[1]));
    return out;
}

ChartPoint ClipSegmentToWindow(ChartPoint p1, ChartPoint p2, int width, int height) {
    const double x1 = p1.X, y1 = p1.Y, x2 = p2.X, y2 = p2.Y;
    const auto fits = [](double t) { return t >= 0.0 && t <= 1.0; };
    if (x1 != x2) {
        for (const double x : {0.0, width - 1.0}) {
            const double t = (x - x1) / (x2 - x1);
            if (fits(t)) return {static_cast<float>(x), static_cast<float>(y1 + t * (y2 - y1))};
        }
    }
    if (y1 != y2) {
        for (const double y : {0.0, height - 1.0}) {
            const double t = (y - y1) / (y2 - y1);
            if (fits(t)) return {static_cast<float>(x1 + t * (x2 - x1)), static_cast<float>(y)};
        }
    }
    return {static_cast<float>((x1 + x2) / 2), static_cast<float>((y1 + y2) / 2)};
}

}  // namespace kolvar
