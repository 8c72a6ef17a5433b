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
    double MinStepDays = 5.0 / 1440.0;     // the finest step of the walk along the meridian crossings
    double ToleranceDays = 0.5 / 86400.0;  // the events are refined to half a second
};

// The next rising, upper culmination and setting after `start` (Julian days,
// UT). A rising is AboveHorizon crossing zero upwards, a setting downwards, an
// upper culmination EastComponent going from east (> 0) to west. When the
// window holds no rising and no setting the object stayed on one side of the
// horizon all the time: NeverRises or NeverSets. A search cut short by the end
// of the positions' range (RangeEnd) claims neither.
struct RiseTransitSet {
    std::optional<double> Rise;
    std::optional<double> Transit;
    std::optional<double> Set;
    bool NeverRises = false;
    bool NeverSets = false;
    std::optional<double> RangeEnd;  // the last instant searched, when the range ended the window
};

// Finds the meridian crossings first (EastComponent changing sign, stepping
// no further than |EastComponent| / MaxRate allows one to hide, at least
// MinStepDays), since the altitude is highest and lowest there; between two
// such extremes the altitude runs one way, so a rising or setting is any
// sign change of AboveHorizon from one extreme to the next, however short
// the excursion. Each is refined by bisection.
RiseTransitSet FindRiseTransitSet(const HorizonFunction& at, double start, const RiseSetSearch& search);

// The same, ending the window early at `lastDay` when that comes first (the
// last instant positions exist for); the result then says so in RangeEnd.
RiseTransitSet FindRiseTransitSetUntil(const HorizonFunction& at, double start, double lastDay,
                                       RiseSetSearch search);

}  // namespace kolvar
