#pragma once

namespace kolvar {

// The units the instant can be moved by. Minute to lunar month are fixed
// lengths of time added to the Julian day; a calendar month and a year keep
// the civil date and clock time in the observer's zone.
enum class TimeStepUnit { Minute, Hour, Day, SiderealDay, Week, LunarMonth, CalendarMonth, Year };

inline constexpr int TimeStepUnitCount = 8;

struct TimeStep {
    TimeStepUnit Unit = TimeStepUnit::Hour;
    int Count = 1;  // units per step, at least 1

    friend bool operator==(const TimeStep&, const TimeStep&) = default;
};

// One mean solar day in sidereal days' terms: the Earth turns once against
// the stars in this many days.
inline constexpr double SiderealDayLength = 1.0 / 1.002737909244112356;
// The mean synodic month, new Moon to new Moon.
inline constexpr double LunarMonthLength = 29.530589;

// Whether the unit keeps the civil date (calendar month, year).
bool IsCalendarUnit(TimeStepUnit unit);

// The length of one unit in days; 0 for the calendar units.
double UnitLengthDays(TimeStepUnit unit);

// The instant `count` steps from `julianDay` (count < 0: back). Fixed units
// add count x Count x length to the Julian day. Calendar units move the civil
// date in the zone (hours east, plus one with summer time) by whole months,
// keep the clock time and hold the day at the month's end: 31 January plus
// one month is the last day of February. Returns NaN when the civil year
// would leave the range of a 32-bit year.
double StepJulianDay(double julianDay, const TimeStep& step, long long count, double zoneHours,
                     bool summerTime);

// A step that respects the range of the orbital elements.
struct StepOutcome {
    double JulianDay = 0.0;
    bool AtEdge = false;  // the step would have left the range; JulianDay is its edge
};

// One step forward (direction > 0) or back from a Julian day inside the range
// the orbital elements cover. When the target lies outside, the result is the
// last instant inside the range on the way there (found to within a second),
// which is where a run of steps stops.
StepOutcome StepWithinElements(double julianDay, const TimeStep& step, int direction, double zoneHours,
                               bool summerTime);

}  // namespace kolvar
