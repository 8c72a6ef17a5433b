#include "print/print_milky_way.h"

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/spherical_position.h"
#include "catalog/milky_way.h"

namespace kolvar {

namespace {

using Vector = std::array<double, 3>;

constexpr double ArcStep = 2.0 * Pi / 180.0;  // the horizon arcs as polylines of 2-degree steps

Vector Cross(const Vector& a, const Vector& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

PagePoint OnChart(const ChartFrame& frame, double azimuth, double altitude) {
    const ChartPoint p = ProjectToChart(frame, azimuth, altitude);
    return {p.X, p.Y};
}

// The azimuth where the great circle from u (above the horizon) to v (below)
// meets it.
double CrossingAzimuth(const Vector& u, const Vector& v) {
    const double t = u[2] / (u[2] - v[2]);
    return std::atan2(u[1] + t * (v[1] - u[1]), u[0] + t * (v[0] - u[0]));
}

// Turn from azimuth a to azimuth b the short way, -pi..pi.
double Turn(double a, double b) { return std::remainder(b - a, TwoPi); }

void AddHorizonArc(const ChartFrame& frame, std::vector<PagePoint>& ring, double from, double turn) {
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(turn) / ArcStep)));
    for (int k = 0; k <= steps; ++k) ring.push_back(OnChart(frame, from + turn * k / steps, 0.0));
}

// One outline ring on the chart (empty when it adds nothing above the horizon).
std::vector<PagePoint> RingOnChart(const ChartFrame& frame, const std::vector<HorizontalPosition>& points,
                                   const std::vector<Vector>& vectors) {
    const std::size_t n = points.size();
    std::vector<PagePoint> ring;
    std::size_t start = n;
    for (std::size_t i = 0; i < n && start == n; ++i)
        if (points[i].Altitude >= 0.0) start = i;
    if (start == n) {
        // Wholly below: it matters only if it winds once around the chart.
        double turn = 0.0;
        for (std::size_t i = 0; i < n; ++i) turn += Turn(points[i].Azimuth, points[(i + 1) % n].Azimuth);
        if (std::fabs(turn) > Pi) AddHorizonArc(frame, ring, 0.0, TwoPi);
        return ring;
    }
    ring.push_back(OnChart(frame, points[start].Azimuth, points[start].Altitude));
    double leftAt = 0.0, turn = 0.0, last = 0.0;
    for (std::size_t k = 1; k <= n; ++k) {
        const std::size_t i = (start + k - 1) % n, j = (start + k) % n;
        const bool wasUp = points[i].Altitude >= 0.0, isUp = points[j].Altitude >= 0.0;
        if (wasUp && !isUp) {
            leftAt = last = CrossingAzimuth(vectors[i], vectors[j]);
            ring.push_back(OnChart(frame, leftAt, 0.0));
            turn = 0.0;
        }
        if (!isUp) {
            turn += Turn(last, points[j].Azimuth);
            last = points[j].Azimuth;
            continue;
        }
        if (!wasUp) {
            const double back = CrossingAzimuth(vectors[j], vectors[i]);
            AddHorizonArc(frame, ring, leftAt, turn + Turn(last, back));
        }
        ring.push_back(OnChart(frame, points[j].Azimuth, points[j].Altitude));
    }
    return ring;
}

// Whether the great-circle arcs a-b and c-d (each shorter than half a turn) meet.
bool ArcsMeet(const Vector& a, const Vector& b, const Vector& c, const Vector& d) {
    const Vector n1 = Cross(a, b), n2 = Cross(c, d);
    const Vector x = Cross(n1, n2);
    if (Dot(x, x) < 1e-24) return false;  // an arc of no length, or both on one great circle
    for (const double sign : {1.0, -1.0}) {
        const Vector p{sign * x[0], sign * x[1], sign * x[2]};
        if (Dot(Cross(a, p), n1) >= 0 && Dot(Cross(p, b), n1) >= 0 && Dot(Cross(c, p), n2) >= 0 &&
            Dot(Cross(p, d), n2) >= 0)
            return true;
    }
    return false;
}

HorizontalPosition Direction(const ChartFrame& frame, double julianDay, float ra, float dec) {
    return EquatorialToHorizontal(frame, ra, dec, InfinitelyFar, julianDay, Equinox::Catalogue);
}

}  // namespace

MilkyWayArea MilkyWayAreaOf(const ChartFrame& frame, double julianDay) {
    MilkyWayArea area;
    std::vector<std::vector<Vector>> ringVectors;
    std::vector<HorizontalPosition> points;
    std::vector<Vector> vectors;
    const auto finishRing = [&] {
        if (points.empty()) return;
        std::vector<PagePoint> ring = RingOnChart(frame, points, vectors);
        if (!ring.empty()) area.Rings.push_back(std::move(ring));
        ringVectors.push_back(vectors);
        points.clear();
        vectors.clear();
    };
    for (std::size_t i = 0; i < MilkyWayOutline.size(); ++i) {
        const MilkyWayPoint& p = MilkyWayOutline[i];
        if (i > 0 && p.Shape != MilkyWayOutline[i - 1].Shape) finishRing();
        points.push_back(Direction(frame, julianDay, p.RightAscension, p.Declination));
        vectors.push_back(HorizontalVector(points.back().Azimuth, points.back().Altitude));
    }
    finishRing();

    // The seed nearest the nadir, and the parity of the outlines between them.
    Vector seed{0, 0, 1};
    for (const MilkyWaySeed& s : MilkyWayFillSeeds) {
        const HorizontalPosition h = Direction(frame, julianDay, s.RightAscension, s.Declination);
        const Vector v = HorizontalVector(h.Azimuth, h.Altitude);
        if (v[2] < seed[2]) seed = v;
    }
    const Vector nadir{0, 0, -1};
    bool crossings = false;
    for (const std::vector<Vector>& ring : ringVectors)
        for (std::size_t i = 0; i < ring.size(); ++i)
            if (ArcsMeet(seed, nadir, ring[i], ring[(i + 1) % ring.size()])) crossings = !crossings;
    area.Inverted = !crossings;  // the seed is in the band: so is the nadir unless an odd count lies between
    if (area.Inverted) {
        std::vector<PagePoint> circle;
        AddHorizonArc(frame, circle, 0.0, TwoPi);
        area.Rings.push_back(std::move(circle));
    }
    return area;
}

bool InMilkyWayArea(const MilkyWayArea& area, PagePoint p) {
    bool inside = false;
    for (const std::vector<PagePoint>& ring : area.Rings) {
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const PagePoint a = ring[i], b = ring[j];
            if ((a.Y > p.Y) != (b.Y > p.Y) && p.X < (b.X - a.X) * (p.Y - a.Y) / (b.Y - a.Y) + a.X)
                inside = !inside;
        }
    }
    return inside;
}

void DrawMilkyWayArea(Ink& ink, const ChartFrame& frame, const MilkyWayArea& area, double grey) {
    ink.Save();
    ink.Circle({static_cast<double>(frame.CentreX), static_cast<double>(frame.CentreY)},
               static_cast<double>(frame.ChartRadius));
    ink.Clip();
    for (const std::vector<PagePoint>& ring : area.Rings) {
        ink.MoveTo(ring.front());
        for (std::size_t i = 1; i < ring.size(); ++i) ink.LineTo(ring[i]);
        ink.ClosePath();
    }
    ink.EvenOdd(true);
    ink.Grey(grey);
    ink.Fill();
    ink.Restore();
}

}  // namespace kolvar
