#include "plan/true_frame.h"

#include <cmath>

#include "astro/angles.h"
#include "chart/solar_system_layer.h"
#include "sky/sky_object_table.h"

namespace kolvar {

namespace {}  // namespace

double ReducedAngle(double angle) {
    const double a = std::remainder(angle, TwoPi);
    return a <= -TwoPi / 2 ? a + TwoPi : a;
}

double AngularDistance(const EquatorialPlace& a, const EquatorialPlace& b) {
    // The haversine form keeps small distances exact.
    const double sd = std::sin((b.Declination - a.Declination) / 2);
    const double sr = std::sin((b.RightAscension - a.RightAscension) / 2);
    const double h = sd * sd + std::cos(a.Declination) * std::cos(b.Declination) * sr * sr;
    return 2.0 * std::asin(std::sqrt(std::min(1.0, h)));
}

TrueFrame::TrueFrame(const GeodeticPlace& site, double referenceJulianDay)
    : site_(site),
      reference_(referenceJulianDay),
      siderealAtReference_(ApparentSiderealAngle(referenceJulianDay)) {
    const Vector3 o = TopocentricOffset(site, referenceJulianDay);
    siteAxial_ = std::hypot(o.X, o.Y);
    siteNorth_ = o.Z;
    siteAngle_ = std::atan2(o.Y, o.X);
}

ObservedDirection TrueFrame::Observe(const EquatorialPlace& apparent, double julianDay) const {
    const double h = LocalSiderealAngle(julianDay) - apparent.RightAscension;
    const double sinLat = std::sin(site_.Latitude), cosLat = std::cos(site_.Latitude);
    const double sinDec = std::sin(apparent.Declination), cosDec = std::cos(apparent.Declination);
    const double cosH = std::cos(h);
    const double up = sinLat * sinDec + cosLat * cosDec * cosH;
    const double north = cosLat * sinDec - sinLat * cosDec * cosH;
    const double east = -cosDec * std::sin(h);
    double azimuth = std::atan2(east, north);
    if (azimuth < 0.0) azimuth += TwoPi;
    return {azimuth, std::atan2(up, std::hypot(north, east))};
}

BodyPlace TrueFrame::Body(int slot, double julianDay) const {
    const SphericalPosition g = GeocentricBodyPosition(slot, julianDay);
    const double angle = siteAngle_ + SiderealRadiansPerDay * (julianDay - reference_);
    const double cd = std::cos(g.Latitude);
    const double x = g.Distance * cd * std::cos(g.Longitude) - siteAxial_ * std::cos(angle);
    const double y = g.Distance * cd * std::sin(g.Longitude) - siteAxial_ * std::sin(angle);
    const double z = g.Distance * std::sin(g.Latitude) - siteNorth_;
    double ra = std::atan2(y, x);
    if (ra < 0.0) ra += TwoPi;
    return {{ra, std::atan2(z, std::hypot(x, y))}, std::sqrt(x * x + y * y + z * z)};
}

}  // namespace kolvar
