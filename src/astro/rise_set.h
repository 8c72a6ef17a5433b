#pragma once

#include <functional>
#include <optional>

namespace kolvar {

// Where an object stands relative to its horizon and its meridian at one
// instant, as the caller's own position routine gives it.
struct HorizonSample {
    double AboveHorizon = 0.0;   // radians above the altitude the object rises and sets at
    double EastComponent = 0.0;  // east component of its unit direction: > 0 east of the meridian
};
using HorizonFunction = std::function<HorizonSample(double julianDay)>;

// How far and how finely to look.
struct RiseSetSearch {
    double WindowDays = 1.0;               // events are looked for in (start, start + WindowDays]
    double MaxRate = 7.0;                  // radians per day that either value of a sample can change at most
    double MinStepDays = 5.0 / 1440.0;     // an excursion shorter than this may be stepped over
    double ToleranceDays = 0.5 / 86400.0;  // the events are refined to half a second
};

// The next rising, upper culmination and setting after `start` (Julian days,
// UT). A rising is AboveHorizon crossing zero upwards, a setting downwards, an
// upper culmination EastComponent going from east (> 0) to west. When the
// window holds no rising and no setting the object stayed on one side of the
// horizon all the time: NeverRises or NeverSets.
struct RiseTransitSet {
    std::optional<double> Rise;
    std::optional<double> Transit;
    std::optional<double> Set;
    bool NeverRises = false;
    bool NeverSets = false;
};

// Steps forward no further than the values' bound on change allows a sign
// change to hide (|value| / MaxRate, at least MinStepDays), then refines each
// bracketed change by bisection.
RiseTransitSet FindRiseTransitSet(const HorizonFunction& at, double start, const RiseSetSearch& search);

}  // namespace kolvar
