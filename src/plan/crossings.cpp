#include "plan/crossings.h"

#include <algorithm>
#include <cmath>

namespace kolvar {

namespace {

// The zero of f between a (value fa) and b, whose signs differ.
double Bisect(const TimeFunction& f, double a, double fa, double b, double tolerance) {
    const bool belowAtA = fa < 0.0;
    while (b - a > tolerance) {
        const double m = 0.5 * (a + b);
        if ((f(m) < 0.0) == belowAtA)
            a = m;
        else
            b = m;
    }
    return 0.5 * (a + b);
}

}  // namespace

std::vector<Crossing> FindCrossings(const TimeFunction& f, double start, double end, double step,
                                    double tolerance) {
    std::vector<Crossing> found;
    if (!(end > start) || !(step > 0.0)) return found;
    const int steps = std::max(1, static_cast<int>(std::ceil((end - start) / step)));
    double t0 = start;
    double f0 = f(t0);
    for (int i = 1; i <= steps; ++i) {
        const double t1 = i == steps ? end : start + (end - start) * i / steps;
        const double f1 = f(t1);
        if ((f0 < 0.0) != (f1 < 0.0)) found.push_back({Bisect(f, t0, f0, t1, tolerance), f0 < 0.0});
        t0 = t1;
        f0 = f1;
    }
    return found;
}

std::vector<Interval> IntervalsBelow(const TimeFunction& f, double start, double end, double step) {
    std::vector<Interval> below;
    bool inside = f(start) < 0.0;
    double from = start;
    for (const Crossing& c : FindCrossings(f, start, end, step)) {
        if (inside && c.Upward) below.push_back({from, c.Time});
        if (!c.Upward) from = c.Time;
        inside = !c.Upward;
    }
    if (inside) below.push_back({from, end});
    return below;
}

std::vector<Interval> Intersection(const std::vector<Interval>& a, const std::vector<Interval>& b) {
    std::vector<Interval> common;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const double from = std::max(a[i].Start, b[j].Start);
        const double to = std::min(a[i].End, b[j].End);
        if (to > from) common.push_back({from, to});
        if (a[i].End < b[j].End)
            ++i;
        else
            ++j;
    }
    return common;
}

}  // namespace kolvar
