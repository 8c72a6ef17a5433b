#pragma once

namespace kolvar {

// Civil date and time as the dialogs show it.
struct CalendarMoment {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    double Second = 0.0;
    int SummerTime = 0;      // filled only by CalendarFromJulianDay
    double ZoneHours = 0.0;  // filled only by CalendarFromJulianDay
};

// Gregorian leap-year rule, negative years included.
bool IsLeapYear(int year);

// Days in a month (1..12) of a year.
int DaysInMonth(int year, int month);

// Civil time in the given zone (hours east) to a Julian day (UT). The weekday
// (0 Sunday .. 6 Saturday) is written to `weekday` when it is not null.
long double JulianDayFromCalendar(int year, int month, int day, int hour, int minute, double second,
                                  bool summerTime, double zoneHours, int* weekday = nullptr);

CalendarMoment CalendarFromJulianDay(double julianDay, float zoneHours, bool summerTime,
                                     int* weekday = nullptr);

// Greenwich sidereal time in radians, 0 <= angle < 2*pi.
double GreenwichSiderealAngle(double julianDay);

// The local clock, seconds to hundredths.
CalendarMoment ReadSystemClock();

// The true current instant: the system clock (UTC) as a Julian day.
double SystemClockJulianDay();

}  // namespace kolvar
