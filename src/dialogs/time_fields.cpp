#include "dialogs/time_fields.h"

#include <cstdio>

#include "appcore/number_text.h"
#include "astro/ephemeris_range.h"
#include "astro/time_scales.h"

namespace kolvar {
namespace {

// Seconds truncated to tenths and held below a minute; nothing that is not a
// number of seconds reaches the integer conversion.
int TenthsOfSecond(double seconds) {
    const double tenths = seconds * 10;
    if (!(tenths > 0)) return 0;
    if (tenths >= 599) return 599;
    return static_cast<int>(tenths);
}

}  // namespace

DayOfCivilFields JulianDayOfCivilFields(const CivilFieldTexts& fields) {
    const int year = StrictInteger(fields.Year);
    const int month = ReduceToSignedByte(StrictInteger(fields.Month));
    const int day = ReduceToSignedByte(StrictInteger(fields.Day));
    const int hour = ReduceToSignedByte(StrictInteger(fields.Hour));
    const int minute = ReduceToSignedByte(StrictInteger(fields.Minute));
    const float second = LeadingFloat(fields.Second).value_or(0.0f);  // no number: 0 s
    const float zone = LenientZone(fields.Zone);
    DayOfCivilFields result;
    const long double jd = JulianDayFromCalendar(year, month, day, hour, minute, second, fields.SummerTime,
                                                 zone, &result.Weekday);
    // A 32-bit year, single-precision seconds and a zone within a day keep
    // the day well inside what a double holds.
    result.JulianDay = static_cast<double>(jd);
    if (!ElementsCoverDay(result.JulianDay))
        throw ConversionError(fields.Year, ConversionError::Reason::UncoveredDay);
    return result;
}

CivilFieldsOfDay CivilFieldsOfJulianDay(std::string_view julianDay, std::string_view zone, bool summerTime,
                                        char separator) {
    const float hours = LenientZone(zone);
    const double jd = StrictJulianDay(julianDay);
    CivilFieldsOfDay result;
    const CalendarMoment moment = CalendarFromJulianDay(jd, hours, summerTime, &result.Weekday);
    CivilFieldTexts& f = result.Fields;
    f.Year = std::to_string(moment.Year);
    f.Month = std::to_string(moment.Month);
    f.Day = std::to_string(moment.Day);
    f.Hour = std::to_string(moment.Hour);
    f.Minute = std::to_string(moment.Minute);
    f.Second = SecondsText(moment.Second, separator);
    f.Zone = FormatGeneral15(moment.ZoneHours, separator);
    f.SummerTime = moment.SummerTime != 0;
    return result;
}

std::string SecondsText(double seconds, char separator) {
    return FormatGeneral15(TenthsOfSecond(seconds) * 0.1, separator);
}

std::string SiderealTimeText(double siderealAngle) {
    const double hours = siderealAngle * 24 * 0.5 * 0.3183098861837907;  // 24 / (2 pi)
    const int h = static_cast<int>(hours);
    const double minutes = (hours - h) * 60;
    const int m = static_cast<int>(minutes);
    const float seconds = static_cast<float>((minutes - m) * 60);
    const float shown = static_cast<float>(TenthsOfSecond(seconds) * 0.1);
    // Hours and minutes zero-padded to two digits; the seconds padded with
    // blanks to a width of two, which one decimal always exceeds.
    char text[64];
    std::snprintf(text, sizeof text, "%02d %02d' %2.1f\"", h, m, static_cast<double>(shown));
    return text;
}

}  // namespace kolvar
