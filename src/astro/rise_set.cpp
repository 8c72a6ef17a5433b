#include "astro/rise_set.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kolvar {

namespace {

// The instant within (low, high] where `value` of the samples changes sign,
// given that it has one sign at `low` and the other at `high`.
template <typename Value>
double Bisect(const HorizonFunction& at, Value value, double low, double high, double tolerance) {
    const bool lowSign = value(at(low)) >= 0.0;
    while (high - low > tolerance) {
        const double middle = 0.5 * (low + high);
        if ((value(at(middle)) >= 0.0) == lowSign) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return 0.5 * (low + high);
}

double Above(const HorizonSample& s) { return s.AboveHorizon; }
double East(const HorizonSample& s) { return s.EastComponent; }

}  // namespace

RiseTransitSet FindRiseTransitSet(const HorizonFunction& at, double start, const RiseSetSearch& search) {
    RiseTransitSet found;
    const double end = start + search.WindowDays;
    bool everAbove = false;
    bool everBelow = false;
    double t = start;
    HorizonSample s = at(t);
    (s.AboveHorizon >= 0.0 ? everAbove : everBelow) = true;
    while (t < end && !(found.Rise && found.Set && found.Transit)) {
        // Neither value can reach zero sooner than its distance from zero
        // divided by the bound on its rate of change.
        double nearest = std::numeric_limits<double>::infinity();
        if (!found.Rise || !found.Set) nearest = std::abs(s.AboveHorizon);
        if (!found.Transit) nearest = std::min(nearest, std::abs(s.EastComponent));
        const double step = std::max(nearest / search.MaxRate, search.MinStepDays);
        const double next = std::min(t + step, end);
        const HorizonSample n = at(next);

        const bool wasAbove = s.AboveHorizon >= 0.0;
        const bool isAbove = n.AboveHorizon >= 0.0;
        (isAbove ? everAbove : everBelow) = true;
        if (!found.Rise && !wasAbove && isAbove)
            found.Rise = Bisect(at, Above, t, next, search.ToleranceDays);
        if (!found.Set && wasAbove && !isAbove) found.Set = Bisect(at, Above, t, next, search.ToleranceDays);
        if (!found.Transit && s.EastComponent > 0.0 && n.EastComponent <= 0.0)
            found.Transit = Bisect(at, East, t, next, search.ToleranceDays);
        t = next;
        s = n;
    }
    if (!found.Rise && !found.Set) {
        found.NeverRises = !everAbove;
        found.NeverSets = !everBelow;
    }
    return found;
}

}  // namespace kolvar
