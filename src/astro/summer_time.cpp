#include "astro/summer_time.h"

#include "astro/time_scales.h"

namespace kolvar {

namespace {

constexpr double HoursPerDay = 24.0;

// The Julian day of 0 h UT on the `nth` Sunday (1 the first, -1 the last) of a month.
double SundayOf(int year, int month, int nth) {
    int weekday = 0;  // 0 Sunday
    if (nth > 0) {
        const auto first =
            static_cast<double>(JulianDayFromCalendar(year, month, 1, 0, 0, 0.0, false, 0.0, &weekday));
        return first + (7 - weekday) % 7 + 7 * (nth - 1);
    }
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int lastDay = Days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
    const auto last =
        static_cast<double>(JulianDayFromCalendar(year, month, lastDay, 0, 0, 0.0, false, 0.0, &weekday));
    return last - weekday;
}

}  // namespace

bool SummerTimeAt(SummerTimeRule rule, double julianDay, double zoneHours) {
    if (rule == SummerTimeRule::None) return false;
    const int year = CalendarFromJulianDay(julianDay, static_cast<float>(zoneHours), false).Year;
    if (rule == SummerTimeRule::Europe) {
        const double oneAm = 1.0 / HoursPerDay;
        return julianDay >= SundayOf(year, 3, -1) + oneAm && julianDay < SundayOf(year, 10, -1) + oneAm;
    }
    // 02:00 standard time in spring, 02:00 summer time (01:00 standard) in autumn.
    const double start = SundayOf(year, 3, 2) + (2.0 - zoneHours) / HoursPerDay;
    const double end = SundayOf(year, 11, 1) + (1.0 - zoneHours) / HoursPerDay;
    return julianDay >= start && julianDay < end;
}

double InstantOfWallClock(double wallClock, double zoneHours, SummerTimeRule rule) {
    const double standard = wallClock - zoneHours / HoursPerDay;
    const double summer = standard - 1.0 / HoursPerDay;
    return SummerTimeAt(rule, summer, zoneHours) ? summer : standard;
}

}  // namespace kolvar
