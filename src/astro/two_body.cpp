#include "astro/two_body.h"

#include <cmath>
#include <numbers>

#include "astro/angles.h"

namespace kolvar {

namespace {

// The obliquity of the ecliptic J2000 the elements files refer to, 84381.448".
constexpr double ObliquityJ2000 = 84381.448 / 3600.0 * RadiansPerDegree;
// Eccentricities this close to 1 are taken as the parabola they stand for.
constexpr double ParabolicBand = 1e-10;
constexpr int MaxNewtonSteps = 60;

// Eccentric anomaly of an ellipse, E - e sin E = M, from Danby's start.
double EllipticAnomaly(double meanAnomaly, double e) {
    const double m = std::remainder(meanAnomaly, 2.0 * std::numbers::pi);
    double x = m + (std::sin(m) >= 0.0 ? 0.85 : -0.85) * e;
    for (int step = 0; step < MaxNewtonSteps; ++step) {
        const double dx = (x - e * std::sin(x) - m) / (1.0 - e * std::cos(x));
        x -= dx;
        if (std::abs(dx) <= 1e-14 * (1.0 + std::abs(x))) return x + (meanAnomaly - m);
    }
    return std::nan("");
}

// e sinh H - H without the cancellation of its two terms for the small H of
// an orbit barely hyperbolic (e - 1 of 1e-6) far from perihelion, where the
// rounding of the difference kept Newton's steps from settling.
double HyperbolicKepler(double h, double e) {
    if (std::abs(h) >= 0.1) return e * std::sinh(h) - h;
    const double h2 = h * h;
    double term = h * h2 / 6.0, beyond = term;  // sinh H - H = H^3/3! + H^5/5! + ...
    for (int k = 5; k < 21; k += 2) {
        term *= h2 / ((k - 1.0) * k);
        beyond += term;
    }
    return (e - 1.0) * std::sinh(h) + beyond;
}

// Hyperbolic anomaly, e sinh H - H = M.
double HyperbolicAnomaly(double meanAnomaly, double e) {
    double x = std::copysign(std::log(2.0 * std::abs(meanAnomaly) / e + 1.8), meanAnomaly);
    for (int step = 0; step < MaxNewtonSteps; ++step) {
        const double dx = (HyperbolicKepler(x, e) - meanAnomaly) / (e * std::cosh(x) - 1.0);
        x -= dx;
        if (std::abs(dx) <= 1e-14 * (1.0 + std::abs(x))) return x;
    }
    return std::nan("");
}

bool IsParabolic(double e) { return std::abs(e - 1.0) < ParabolicBand; }

}  // namespace

TwoBodyOrbit PrepareOrbit(const SmallBody& body) {
    TwoBodyOrbit orbit;
    const double w = body.PerihelionDeg * RadiansPerDegree;
    const double node = body.NodeDeg * RadiansPerDegree;
    const double inc = body.InclinationDeg * RadiansPerDegree;
    const double cw = std::cos(w), sw = std::sin(w), cn = std::cos(node), sn = std::sin(node);
    const double ci = std::cos(inc), si = std::sin(inc);
    // The two vectors in the ecliptic frame, then turned about x by the obliquity.
    const double p[3] = {cw * cn - sw * sn * ci, cw * sn + sw * cn * ci, sw * si};
    const double q[3] = {-sw * cn - cw * sn * ci, -sw * sn + cw * cn * ci, cw * si};
    const double ce = std::cos(ObliquityJ2000), se = std::sin(ObliquityJ2000);
    const auto toEquator = [&](const double(&v)[3], double(&out)[3]) {
        out[0] = v[0];
        out[1] = v[1] * ce - v[2] * se;
        out[2] = v[1] * se + v[2] * ce;
    };
    toEquator(p, orbit.P);
    toEquator(q, orbit.Q);
    orbit.PerihelionDistance = body.PerihelionDistance;
    orbit.Eccentricity = body.Eccentricity;
    orbit.PerihelionTime = body.PerihelionTime;
    const double qd = body.PerihelionDistance;
    if (IsParabolic(body.Eccentricity)) {
        orbit.MeanMotion = std::sqrt(SunMu / (2.0 * qd * qd * qd));
    } else {
        orbit.SemiMajorAxis = qd / std::abs(1.0 - body.Eccentricity);
        const double a = orbit.SemiMajorAxis;
        orbit.MeanMotion = std::sqrt(SunMu / (a * a * a));
    }
    return orbit;
}

OrbitState StateAt(const TwoBodyOrbit& orbit, double julianDayTt) {
    const double dt = julianDayTt - orbit.PerihelionTime;
    const double e = orbit.Eccentricity;
    const double n = orbit.MeanMotion;
    // Position (x, y) and velocity (vx, vy) in the orbit's plane, x towards the perihelion.
    double x, y, vx, vy;
    if (IsParabolic(e)) {
        // Barker: s + s^3 / 3 = n dt with s = tan(v / 2), solved as s = 2 sinh(asinh(3 n dt / 2) / 3).
        const double q = orbit.PerihelionDistance;
        const double s = 2.0 * std::sinh(std::asinh(1.5 * n * dt) / 3.0);
        const double sDot = n / (1.0 + s * s);
        x = q * (1.0 - s * s);
        y = 2.0 * q * s;
        vx = -2.0 * q * s * sDot;
        vy = 2.0 * q * sDot;
    } else if (e < 1.0) {
        const double a = orbit.SemiMajorAxis;
        const double b = a * std::sqrt((1.0 - e) * (1.0 + e));
        const double ea = EllipticAnomaly(n * dt, e);
        const double c = std::cos(ea), s = std::sin(ea);
        const double rate = n / (1.0 - e * c);
        x = a * (c - e);
        y = b * s;
        vx = -a * s * rate;
        vy = b * c * rate;
    } else {
        const double a = orbit.SemiMajorAxis;
        const double b = a * std::sqrt((e - 1.0) * (e + 1.0));
        const double h = HyperbolicAnomaly(n * dt, e);
        const double c = std::cosh(h), s = std::sinh(h);
        const double rate = n / (e * c - 1.0);
        x = a * (e - c);
        y = b * s;
        vx = -a * s * rate;
        vy = b * c * rate;
    }
    OrbitState state;
    for (int k = 0; k < 3; ++k) {
        state.Position[k] = x * orbit.P[k] + y * orbit.Q[k];
        state.Velocity[k] = vx * orbit.P[k] + vy * orbit.Q[k];
    }
    return state;
}

}  // namespace kolvar
