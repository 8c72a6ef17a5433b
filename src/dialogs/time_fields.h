#pragma once

#include <string>
#include <string_view>

#include "dialogs/dialog_numbers.h"

namespace kolvar {

// The time dialog's arithmetic on the texts of its fields, without the
// window: what the conversion button makes of the civil fields, and what a
// Julian day shows in them.

// The civil fields as texts, with the summer-time box.
struct CivilFieldTexts {
    std::string Year, Month, Day, Hour, Minute, Second, Zone;
    bool SummerTime = false;
};

struct DayOfCivilFields {
    double JulianDay = 0.0;
    int Weekday = 0;  // 0 Sunday .. 6 Saturday
};

// The conversion button: year to minute as strict integers (month to minute
// taken modulo 256 as signed bytes), the seconds' leading number (none: 0 s),
// the zone as LenientZone reads it. The error of the first field that does
// not read, or UncoveredDay when the orbital elements do not cover the day.
FieldNumber<DayOfCivilFields> JulianDayOfCivilFields(const CivilFieldTexts& fields);

struct CivilFieldsOfDay {
    CivilFieldTexts Fields;
    int Weekday = 0;
};

// The civil fields that show the Julian day of `julianDay` (StrictJulianDay)
// in the zone of `zone` (LenientZone): seconds truncated to tenths, the zone
// as its single-precision value, numbers written with `separator`. The error
// of the zone first, then of the day.
FieldNumber<CivilFieldsOfDay> CivilFieldsOfJulianDay(std::string_view julianDay, std::string_view zone,
                                                     bool summerTime, char separator);

// Seconds as the dialog shows them: truncated to tenths and held below a
// minute (59.97 shows 59.9).
std::string SecondsText(double seconds, char separator);

// The Greenwich sidereal time as the dialog shows it: "05 07' 3.2\"" (hours
// and minutes two digits, seconds truncated to tenths and at most 59.9, with
// the C locale's decimal separator).
std::string SiderealTimeText(double siderealAngle);

}  // namespace kolvar
