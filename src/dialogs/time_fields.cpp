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

FieldNumber<DayOfCivilFields> JulianDayOfCivilFields(const CivilFieldTexts& fields) {
    using Result = FieldNumber<DayOfCivilFields>;
    const FieldNumber<int> year = StrictInteger(fields.Year);
    if (!year) return Result::Failure(year.Error());
    int calendar[4] = {};  // month, day, hour, minute
    const std::string* texts[4] = {&fields.Month, &fields.Day, &fields.Hour, &fields.Minute};
    for (int i = 0; i < 4; ++i) {
        const FieldNumber<int> field = StrictInteger(*texts[i]);
        if (!field) return Result::Failure(field.Error());
        calendar[i] = ReduceToSignedByte(*field);
    }
    const FieldNumber<std::optional<float>> second = LeadingFloat(fields.Second);
    if (!second) return Result::Failure(second.Error());
    const FieldNumber<float> zone = LenientZone(fields.Zone);
    if (!zone) return Result::Failure(zone.Error());
    DayOfCivilFields result;
    const long double jd = JulianDayFromCalendar(*year, calendar[0], calendar[1], calendar[2], calendar[3],
                                                 second->value_or(0.0f),  // no number: 0 s
                                                 fields.SummerTime, *zone, &result.Weekday);
    // A 32-bit year, single-precision seconds and a zone within a day keep
    // the day well inside what a double holds.
    result.JulianDay = static_cast<double>(jd);
    if (!ElementsCoverDay(result.JulianDay))
        return Result::Failure(ConversionError(fields.Year, ConversionError::Reason::UncoveredDay));
    return result;
}

FieldNumber<CivilFieldsOfDay> CivilFieldsOfJulianDay(std::string_view julianDay, std::string_view zone,
                                                     bool summerTime, char separator) {
    using Result = FieldNumber<CivilFieldsOfDay>;
    const FieldNumber<float> hours = LenientZone(zone);
    if (!hours) return Result::Failure(hours.Error());
    const FieldNumber<double> jd = StrictJulianDay(julianDay);
    if (!jd) return Result::Failure(jd.Error());
    CivilFieldsOfDay result;
    const CalendarMoment moment = CalendarFromJulianDay(*jd, *hours, summerTime, &result.Weekday);
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
