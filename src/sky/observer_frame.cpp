#include "sky/observer_frame.h"

#include <array>
#include <cmath>

#include "astro/spherical_position.h"
#include "astro/sun_moon.h"
#include "astro/time_scales.h"

namespace kolvar {

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

}  // namespace kolvar
