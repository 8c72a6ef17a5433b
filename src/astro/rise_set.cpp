#include "astro/rise_set.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

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

    // The instants where the altitude turns: the window's ends and every
    // meridian crossing between them, with their samples.
    std::vector<std::pair<double, HorizonSample>> turns;
    double t = start;
    HorizonSample s = at(t);
    turns.emplace_back(t, s);
    while (t < end) {
        const double step = std::max(std::abs(s.EastComponent) / search.MaxRate, search.MinStepDays);
        const double next = std::min(t + step, end);
        const HorizonSample n = at(next);
        if ((s.EastComponent > 0.0) != (n.EastComponent > 0.0)) {
            const double crossing = Bisect(at, East, t, next, search.ToleranceDays);
            if (s.EastComponent > 0.0 && !found.Transit) found.Transit = crossing;
            if (crossing > turns.back().first && crossing < next) turns.emplace_back(crossing, at(crossing));
        }
        turns.emplace_back(next, n);
        t = next;
        s = n;
    }

    bool everAbove = false;
    bool everBelow = false;
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const bool isAbove = turns[i].second.AboveHorizon >= 0.0;
        (isAbove ? everAbove : everBelow) = true;
        if (i == 0) continue;
        const bool wasAbove = turns[i - 1].second.AboveHorizon >= 0.0;
        if (wasAbove == isAbove) continue;
        std::optional<double>& event = isAbove ? found.Rise : found.Set;
        if (!event) event = Bisect(at, Above, turns[i - 1].first, turns[i].first, search.ToleranceDays);
    }
    if (!found.Rise && !found.Set) {
        found.NeverRises = !everAbove;
        found.NeverSets = !everBelow;
    }
    return found;
}

RiseTransitSet FindRiseTransitSetUntil(const HorizonFunction& at, double start, double lastDay,
                                       RiseSetSearch search) {
    const bool cut = lastDay < start + search.WindowDays;
    if (cut) search.WindowDays = std::max(lastDay - start, 0.0);
    RiseTransitSet found = FindRiseTransitSet(at, start, search);
    if (cut) {
        found.RangeEnd = start + search.WindowDays;
        found.NeverRises = found.NeverSets = false;
    }
    return found;
}

}  // namespace kolvar
