#pragma once

// Where a function of time crosses zero: sampled at a fixed step, each sign
// change refined by bisection. A dip shorter than the step can be missed, so
// callers choose the step by how fast their function turns.

#include <functional>
#include <vector>

namespace kolvar {

inline constexpr double HalfSecondDays = 0.5 / 86400.0;

struct Crossing {
    double Time = 0.0;    // Julian day
    bool Upward = false;  // from below zero to zero or above
};

using TimeFunction = std::function<double(double julianDay)>;

// The crossings within [start, end], in order of time.
std::vector<Crossing> FindCrossings(const TimeFunction& f, double start, double end, double step,
                                    double tolerance = HalfSecondDays);

// A span of time, Julian days.
struct Interval {
    double Start = 0.0;
    double End = 0.0;
    double Days() const { return End - Start; }
};

// The parts of [start, end] where f is below zero.
std::vector<Interval> IntervalsBelow(const TimeFunction& f, double start, double end, double step);

// The common parts of two ordered lists of intervals.
std::vector<Interval> Intersection(const std::vector<Interval>& a, const std::vector<Interval>& b);

}  // namespace kolvar
