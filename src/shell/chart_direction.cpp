#include "shell/chart_direction.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/transforms.h"
#include "sky/slot_position.h"

namespace kolvar {

namespace {

double Turned(double angle) {
    angle = std::fmod(angle, TwoPi);
    return angle < 0.0 ? angle + TwoPi : angle;
}

// The signed difference a - b, within -pi..pi.
double Difference(double a, double b) { return std::remainder(a - b, TwoPi); }

}  // namespace

EquatorialPlace CatalogueDirectionOf(const ChartFrame& frame, const HorizontalPosition& direction,
                                     double julianDay) {
    // The local axes are north, west and the zenith; the frame's rows turn the
    // equatorial axes of the hour angle into them, so their transpose turns back.
    const double ch = std::cos(direction.Altitude);
    const std::array<double, 3> u{ch * std::cos(direction.Azimuth), -ch * std::sin(direction.Azimuth),
                                  std::sin(direction.Altitude)};
    std::array<double, 3> v{};
    for (int j = 0; j < 3; ++j)
        v[j] = frame.LocalFrame[0][j] * u[0] + frame.LocalFrame[1][j] * u[1] + frame.LocalFrame[2][j] * u[2];
    const double ofDateRa = Turned(std::atan2(v[1], v[0]) + frame.SiderealAngle);
    const double ofDateDec = std::atan2(v[2], std::hypot(v[0], v[1]));
    // The precession is a small turn: a few steps of the difference converge.
    EquatorialPlace j2000{ofDateRa, ofDateDec};
    for (int step = 0; step < 4; ++step) {
        const SphericalPosition p = PrecessToDate(j2000.RightAscension, j2000.Declination, 0.0, julianDay);
        j2000.RightAscension = Turned(j2000.RightAscension + Difference(ofDateRa, p.Longitude));
        j2000.Declination =
            std::fmax(-TwoPi / 4, std::fmin(TwoPi / 4, j2000.Declination + ofDateDec - p.Latitude));
    }
    return j2000;
}

HorizontalPosition ChartDirectionOf(const TelescopeTarget& target, const ChartFrame& frame,
                                    const SkyObjectTable& objects, double julianDay) {
    if (target.Slot >= 0 && target.Slot < SkyObjectCount) {
        const SkyObjectEntry& s = objects[static_cast<std::size_t>(target.Slot)];
        return {s.Azimuth, s.Altitude, s.Distance};
    }
    const SkyObjectEntry s = PlaceFixedDirection(frame, KindNgcIc, -1, target.J2000.RightAscension,
                                                 target.J2000.Declination, julianDay);
    return {s.Azimuth, s.Altitude, 0.0};
}

}  // namespace kolvar
