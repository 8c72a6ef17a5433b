#include "astro/time_steps.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/ephemeris_range.h"
#include "astro/time_scales.h"

namespace kolvar {

namespace {

constexpr double NotAnInstant = std::numeric_limits<double>::quiet_NaN();

// How close to the edge of the elements' range a stopped step comes.
constexpr double EdgePrecisionDays = 1.0 / 86400;

long long FloorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

double AddCalendarMonths(double julianDay, long long months, double zoneHours, bool summerTime) {
    // Split the civil instant into its local midnight and the time since
    // then, move the date, and put the same time of day back on it. Long
    // double keeps the round trip exact to the last bit of the Julian day.
    const long double offset = (static_cast<long double>(zoneHours) + (summerTime ? 1 : 0)) / 24;
    const long double local = julianDay + offset;
    const long double midnight = std::floor(local - 0.5L) + 0.5L;
    const long double timeOfDay = local - midnight;
    const CalendarMoment date = CalendarFromJulianDay(static_cast<double>(midnight), 0.0f, false);

    const long long monthIndex = static_cast<long long>(date.Year) * 12 + (date.Month - 1) + months;
    const long long year = FloorDiv(monthIndex, 12);
    if (year < std::numeric_limits<int>::min() || year > std::numeric_limits<int>::max()) return NotAnInstant;
    const int month = static_cast<int>(monthIndex - year * 12) + 1;
    const int day = std::min(date.Day, DaysInMonth(static_cast<int>(year), month));
    const long double newMidnight =
        JulianDayFromCalendar(static_cast<int>(year), month, day, 0, 0, 0.0, false, 0.0);
    return static_cast<double>(newMidnight + timeOfDay - offset);
}

}  // namespace

bool IsCalendarUnit(TimeStepUnit unit) {
    return unit == TimeStepUnit::CalendarMonth || unit == TimeStepUnit::Year;
}

double UnitLengthDays(TimeStepUnit unit) {
    switch (unit) {
        case TimeStepUnit::Minute:
            return 1.0 / 1440;
        case TimeStepUnit::Hour:
            return 1.0 / 24;
        case TimeStepUnit::Day:
            return 1.0;
        case TimeStepUnit::SiderealDay:
            return SiderealDayLength;
        case TimeStepUnit::Week:
            return 7.0;
        case TimeStepUnit::LunarMonth:
            return LunarMonthLength;
        case TimeStepUnit::CalendarMonth:
        case TimeStepUnit::Year:
            return 0.0;
    }
    return 0.0;
}

double StepJulianDay(double julianDay, const TimeStep& step, long long count, double zoneHours,
                     bool summerTime) {
    const auto units = static_cast<double>(count) * step.Count;
    if (!IsCalendarUnit(step.Unit)) return julianDay + units * UnitLengthDays(step.Unit);
    const double months = units * (step.Unit == TimeStepUnit::Year ? 12 : 1);
    // Far beyond any year the elements cover, and beyond what a long long holds.
    if (std::fabs(months) > 1e15) return NotAnInstant;
    return AddCalendarMonths(julianDay, static_cast<long long>(months), zoneHours, summerTime);
}

StepOutcome StepWithinElements(double julianDay, const TimeStep& step, int direction, double zoneHours,
                               bool summerTime) {
    const double target = StepJulianDay(julianDay, step, direction < 0 ? -1 : 1, zoneHours, summerTime);
    if (ElementsCoverDay(target)) return {target, false};
    if (!std::isfinite(target) || !ElementsCoverDay(julianDay)) return {julianDay, true};
    // Inside at `inside`, outside at `outside`: halve the gap down to a second.
    double inside = julianDay;
    double outside = target;
    for (int i = 0; i < 200 && std::fabs(outside - inside) > EdgePrecisionDays; ++i) {
        const double middle = inside + (outside - inside) / 2;
        if (middle == inside || middle == outside) break;
        (ElementsCoverDay(middle) ? inside : outside) = middle;
    }
    return {inside, true};
}

}  // namespace kolvar
