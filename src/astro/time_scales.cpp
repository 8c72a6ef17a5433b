#include "astro/time_scales.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>

#include "astro/angles.h"

namespace kolvar {

namespace {

// Day numbers count from 1 January 1600, 0 h (a Saturday).
constexpr long double AnchorJulianDay = 2305447.5L;
constexpr std::int64_t DaysPer400Years = 146097;

// Days of the year before the first of `month`; any other month counts as January.
std::int64_t DaysBeforeMonth(int month, int leap) {
    switch (month) {
        case 2:
            return 31;
        case 3:
            return 59 + leap;
        case 4:
            return 90 + leap;
        case 5:
            return 120 + leap;
        case 6:
            return 151 + leap;
        case 7:
            return 181 + leap;
        case 8:
            return 212 + leap;
        case 9:
            return 243 + leap;
        case 10:
            return 273 + leap;
        case 11:
            return 304 + leap;
        case 12:
            return 334 + leap;
        default:
            return 0;
    }
}

int WeekdayOfDayNumber(std::int64_t dayNumber) { return static_cast<int>(((dayNumber - 1) % 7 + 7) % 7); }

// Beyond this many days from 1600 the year no longer fits a 32-bit field
// (about 1.9 billion years); later or earlier days are held at the limit.
constexpr long double LargestDayOffset = 7.0e11L;

}  // namespace

// Tested through floor() so negative years follow the rule too.
bool IsLeapYear(int year) {
    const double y = year;
    const bool by4 = std::floor(y * 0.25) * 4.0 == y;
    const bool by100 = std::floor(y * 0.01) * 100.0 == y;
    const bool by400 = std::floor(y * 0.0025) * 400.0 == y;
    return by4 && (!by100 || by400);
}

int DaysInMonth(int year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

long double JulianDayFromCalendar(int year, int month, int day, int hour, int minute, double second,
                                  bool summerTime, double zoneHours, int* weekday) {
    const int leap = IsLeapYear(year) ? 1 : 0;
    const std::int64_t beforeMonth = DaysBeforeMonth(month, leap);

    // 64-bit arithmetic: any 32-bit year and day stay in range.
    const std::int64_t sinceAnchor = static_cast<std::int64_t>(year) - 1600;
    const auto cycles = static_cast<std::int64_t>(std::floor(static_cast<double>(sinceAnchor) * 0.0025));
    const std::int64_t y = sinceAnchor - 400 * cycles;
    const std::int64_t yearStart =
        static_cast<std::int64_t>(std::floor(static_cast<double>(y + 3) * 0.25)) -
        static_cast<std::int64_t>(std::floor(static_cast<double>(y + 99) * 0.01)) +
        static_cast<std::int64_t>(std::floor(static_cast<double>(y + 399) * 0.0025)) + 365 * y +
        DaysPer400Years * cycles;
    const std::int64_t dayNumber = beforeMonth + yearStart + day - 1;

    if (weekday != nullptr) {
        *weekday = static_cast<int>(((day + beforeMonth + yearStart - 2) % 7 + 7) % 7);
    }

    long double jd = static_cast<long double>(dayNumber) + hour * (1.0L / 24) + minute * (1.0L / 1440) +
                     second * (1.0L / 86400) + AnchorJulianDay;
    if (summerTime) {
        jd -= 1.0L / 24;
    }
    return jd - zoneHours / 24;
}

CalendarMoment CalendarFromJulianDay(double julianDay, float zoneHours, bool summerTime, int* weekday) {
    long double local = julianDay;
    if (summerTime) {
        local += 1.0L / 24;
    }
    local += zoneHours * (1.0L / 24);
    long double e = local - AnchorJulianDay;

    // Guard the float-to-integer conversions below: a NaN instant shows the
    // anchor date with NaN seconds; huge ones are held at the last
    // representable day.
    const bool unknown = std::isnan(e);
    if (unknown) {
        e = 0.0L;
    } else if (e > LargestDayOffset) {
        e = LargestDayOffset;
    } else if (e < -LargestDayOffset) {
        e = -LargestDayOffset;
    }

    const long double wholeDays = std::floor(e);
    const auto n = static_cast<std::int64_t>(wholeDays);
    const long double fraction = e - wholeDays;
    if (weekday != nullptr) {
        *weekday = WeekdayOfDayNumber(n);
    }

    const auto cycles = static_cast<std::int64_t>(std::floor(static_cast<long double>(n) * (1.0L / 146097)));
    std::int64_t d = n - DaysPer400Years * cycles;

    // Century within the cycle; only the first one starts with a leap year.
    const std::int64_t century = d == 0 ? 0 : (d - 1) / 36524;
    if (century != 0) {
        d = d - 1 - 36524 * century;
    }
    const std::int64_t shortBlock = century != 0 ? 1 : 0;

    // Four-year block; the first block of a later century lacks its leap day.
    const std::int64_t block = d == 0 ? 0 : (d + shortBlock) / 1461;
    std::int64_t leap = 0;
    if (block == 0) {
        leap = century == 0 ? 1 : 0;
    } else {
        d = d + shortBlock - 1461 * block;
        leap = 1;
    }

    const std::int64_t yearInBlock = d == 0 ? 0 : (d - leap) / 365;
    if (yearInBlock != 0) {
        d = d - leap - 365 * yearInBlock;
        leap = 0;
    }

    CalendarMoment m;
    m.Year = static_cast<int>(1600 + 400 * cycles + 100 * century + 4 * block + yearInBlock);

    struct MonthStart {
        std::int64_t end;     // first day of the next month, without the leap day
        std::int64_t offset;  // subtracted from d to give the day of the month
        bool afterFebruary;   // limits and offsets move by the leap day
    };
    static constexpr MonthStart months[12] = {
        {31, -1, false},  {59, 30, false},  {90, 58, true},   {120, 89, true},
        {151, 119, true}, {181, 150, true}, {212, 180, true}, {243, 211, true},
        {273, 242, true}, {304, 272, true}, {334, 303, true}, {365, 333, true},
    };
    m.Month = 12;
    m.Day = static_cast<int>(d - 333 - leap);
    for (int i = 0; i < 12; ++i) {
        // February's end already includes the leap day.
        const std::int64_t end = months[i].end + (i >= 1 ? leap : 0);
        if (d < end) {
            m.Month = i + 1;
            m.Day = static_cast<int>(d - months[i].offset - (months[i].afterFebruary ? leap : 0));
            break;
        }
    }

    m.Hour = static_cast<int>(fraction * 24);
    m.Minute = static_cast<int>(fraction * 1440 - 60 * m.Hour);
    // The seconds are a single-precision value.
    const float second = static_cast<float>(fraction * 86400 - 3600 * m.Hour - 60 * m.Minute);
    m.Second = unknown ? std::numeric_limits<double>::quiet_NaN() : static_cast<double>(second);
    m.SummerTime = summerTime ? 1 : 0;
    m.ZoneHours = zoneHours;
    return m;
}

double GreenwichSiderealAngle(double julianDay) {
    // 2446066.5 is 1 January 1985, 0 h UT, when the sidereal time was
    // 6 h 42 min 21.066 s.
    const long double s = (julianDay - 2446066.5L) * 1.002737909244112356L + 0.27941048611111111L;
    const auto angle = static_cast<double>((s - std::floor(s)) * static_cast<long double>(TwoPi));
    // A fraction a hair below one may round up to a full turn.
    return angle >= TwoPi ? std::nextafter(TwoPi, 0.0) : angle;
}

CalendarMoment ReadSystemClock() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);

    CalendarMoment m;
    m.Year = local.tm_year + 1900;
    m.Month = local.tm_mon + 1;
    m.Day = local.tm_mday;
    m.Hour = local.tm_hour;
    m.Minute = local.tm_min;
    m.Second = local.tm_sec + static_cast<double>((millis + 1000) % 1000 / 10) * 0.01;
    return m;
}

double SystemClockJulianDay() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    // The Unix epoch, 1970-01-01 0 h UTC, is Julian day 2440587.5.
    return std::chrono::duration<double>(sinceEpoch).count() / 86400.0 + 2440587.5;
}

}  // namespace kolvar
