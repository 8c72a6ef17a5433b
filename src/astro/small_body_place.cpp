#include "astro/small_body_place.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "astro/apparent_place.h"
#include "astro/body_magnitude.h"
#include "astro/two_body.h"

namespace kolvar {

namespace {

constexpr double SecondsPerDay = 86400.0;
constexpr double LightAuPerDay = 173.1446326742403;
constexpr double ModifiedJulianZero = 2400000.5;
// How far the orbit may bend from the straight line over the light time
// before it is followed instead: 1e-7 AU, 0.02" at 1 AU.
constexpr double CurvatureLimitAu = 1e-7;

// What one instant needs for every body: Terrestrial Time, the Earth's
// heliocentric position (ICRS axes, AU) and the rotation to the true equator
// and equinox of date.
struct Instant {
    double JulianDayUt = 0.0;
    double JulianDayTt = 0.0;
    double Earth[3] = {0.0, 0.0, 0.0};
    double ToDate[3][3] = {};
};

Instant InstantAt(double julianDayUt) {
    Instant at;
    at.JulianDayUt = julianDayUt;
    at.JulianDayTt = julianDayUt + DeltaTSeconds(julianDayUt) / SecondsPerDay;
    const double tt = at.JulianDayTt - ModifiedJulianZero;
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(ModifiedJulianZero, tt, heliocentric, barycentric);
    for (int k = 0; k < 3; ++k) at.Earth[k] = heliocentric[0][k];
    eraPnm06a(ModifiedJulianZero, tt, at.ToDate);
    return at;
}

void Rotate(const double (&m)[3][3], const double (&v)[3], double (&out)[3]) {
    for (int row = 0; row < 3; ++row) out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
}

double Length(const double (&v)[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

SmallBodyPlace PlaceAt(const SmallBody& body, const Instant& at) {
    SmallBodyPlace place;
    const TwoBodyOrbit orbit = PrepareOrbit(body);
    const OrbitState state = StateAt(orbit, at.JulianDayTt);

    // Light time: the body where it was when the light left it, moved back
    // along its velocity: over minutes to hours the curvature of the orbit
    // changes the place by far less than a milliarcsecond, except close to
    // the Sun (a sungrazer at perihelion bends by tens of arc seconds in the
    // light's eight minutes), where the orbit itself is followed back.
    double helio[3], geo[3];
    double delay = 0.0;
    for (int round = 0; round < 3; ++round) {
        for (int k = 0; k < 3; ++k) {
            helio[k] = state.Position[k] - delay * state.Velocity[k];
            geo[k] = helio[k] - at.Earth[k];
        }
        delay = Length(geo) / LightAuPerDay;
    }
    const double sunDistance = Length(state.Position);
    if (0.5 * SunMu / (sunDistance * sunDistance) * delay * delay > CurvatureLimitAu) {
        for (int round = 0; round < 2; ++round) {
            const OrbitState then = StateAt(orbit, at.JulianDayTt - delay);
            for (int k = 0; k < 3; ++k) {
                helio[k] = then.Position[k];
                geo[k] = helio[k] - at.Earth[k];
            }
            delay = Length(geo) / LightAuPerDay;
        }
    }
    const double delta = Length(geo);
    const double r = Length(helio);
    if (!std::isfinite(delta) || !std::isfinite(r) || delta <= 0.0 || r <= 0.0) return place;

    place.RightAscension = std::atan2(geo[1], geo[0]);
    place.Declination = std::asin(geo[2] / delta);
    double ofDate[3], sunward[3];
    Rotate(at.ToDate, geo, ofDate);
    Rotate(at.ToDate, helio, sunward);
    place.OfDate = {std::atan2(ofDate[1], ofDate[0]), std::asin(ofDate[2] / delta), delta};
    for (int k = 0; k < 3; ++k) place.AntiSolarOfDate[k] = sunward[k] / r;
    place.EarthDistance = delta;
    place.SunDistance = r;
    place.PhaseAngle = PhaseAngle(r, delta, Length(at.Earth));
    place.EpochAgeDays = at.JulianDayTt - body.Epoch;
    if (std::isnan(body.Magnitude))
        place.Magnitude = std::nan("");
    else if (body.Kind == SmallBodyKind::Comet)
        place.Magnitude = CometMagnitude(body.Magnitude, body.Slope, r, delta);
    else
        place.Magnitude = MinorPlanetMagnitude(body.Magnitude, body.Slope, r, delta, place.PhaseAngle);
    place.Valid = true;
    return place;
}

}  // namespace

std::vector<SmallBodyPlace> SmallBodyPlaces(std::span<const SmallBody> bodies, double julianDayUt) {
    const Instant at = InstantAt(julianDayUt);
    std::vector<SmallBodyPlace> places;
    places.reserve(bodies.size());
    for (const SmallBody& body : bodies) places.push_back(PlaceAt(body, at));
    return places;
}

SmallBodyPlace SmallBodyPlaceAt(const SmallBody& body, double julianDayUt) {
    return PlaceAt(body, InstantAt(julianDayUt));
}

std::vector<PathPoint> SmallBodyPath(const SmallBody& body, double firstJulianDay, double lastJulianDay,
                                     double stepDays, std::size_t maxPoints) {
    std::vector<PathPoint> path;
    if (!(stepDays > 0.0) || !(lastJulianDay >= firstJulianDay) || maxPoints < 2) return path;
    const double span = lastJulianDay - firstJulianDay;
    const double step = std::max(stepDays, span / static_cast<double>(maxPoints - 1));
    const auto count = static_cast<std::size_t>(std::floor(span / step + 1e-9)) + 1;
    path.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const double jd = firstJulianDay + static_cast<double>(k) * step;
        path.push_back({jd, PlaceAt(body, InstantAt(jd))});
    }
    return path;
}

double MinorPlanetMagnitude(double h, double g, double r, double delta, double phaseAngle) {
    const double t = std::tan(phaseAngle / 2.0);
    const double phi1 = std::exp(-3.33 * std::pow(t, 0.63));
    const double phi2 = std::exp(-1.87 * std::pow(t, 1.22));
    return h + 5.0 * std::log10(r * delta) - 2.5 * std::log10((1.0 - g) * phi1 + g * phi2);
}

double CometMagnitude(double m1, double k1, double r, double delta) {
    return m1 + 5.0 * std::log10(delta) + k1 * std::log10(r);
}

}  // namespace kolvar
