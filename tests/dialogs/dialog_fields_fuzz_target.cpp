// Fuzz target for the time and place dialogs' readers and calendar arithmetic.
// Byte 0 picks the check, byte 1 its flags (bit 0 summer time, bit 1 a comma
// written as separator); the rest are texts separated by '|'.
//   'c' year|month|day|hour|minute|second|zone, 'j' julian day|zone: a day the
//       dialog takes shows civil fields in range that convert back to it;
//   'p' a double: the shown fields of the angle (reduced to a half turn) give
//       it back to within 1e-6".
// Undefined behaviour anywhere is the sanitizers' to report.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "appcore/number_text.h"
#include "astro/ephemeris_range.h"
#include "astro/time_scales.h"
#include "dialogs/place_angles.h"
#include "dialogs/time_fields.h"
#include "fuzz_checks.h"

namespace {

using namespace kolvar;
using fuzz::Check;

// The value of a text the program itself wrote, which must read back.
template <typename T>
T ReadBack(const FieldNumber<T>& number, const std::string& what) {
    Check(number.Ok(), "a shown field does not read back", what);
    return *number;
}

void CheckShownDay(const std::string& julianDay, const std::string& zone, bool summer, char separator) {
    const FieldNumber<CivilFieldsOfDay> day = CivilFieldsOfJulianDay(julianDay, zone, summer, separator);
    if (!day) return;
    const CivilFieldTexts& f = day->Fields;
    const std::string what = julianDay + " in " + zone + ": " + f.Month + " " + f.Day + " " + f.Hour + " " +
                             f.Minute + " " + f.Second;
    const double seconds = ReadBack(StrictFloat(f.Second, separator), what);
    const int month = ReadBack(StrictInteger(f.Month), what),
              dayOfMonth = ReadBack(StrictInteger(f.Day), what);
    const int hour = ReadBack(StrictInteger(f.Hour), what), minute = ReadBack(StrictInteger(f.Minute), what);
    Check(month >= 1 && month <= 12 && dayOfMonth >= 1 && dayOfMonth <= 31 && hour >= 0 && hour <= 23 &&
              minute >= 0 && minute <= 59 && seconds >= 0 && seconds <= 59.9,
          "civil field out of range", what);
    // Back to the day, less the seconds cut to tenths, give or take the double day near 1e8.
    const double jd = ReadBack(StrictJulianDay(julianDay), what), slack = 0.005 / 86400;
    const FieldNumber<DayOfCivilFields> back = JulianDayOfCivilFields(f);
    if (!back) {
        Check(!ElementsCoverDay(jd - 0.1 / 86400), "shown fields do not convert",
              what);  // cut out of the range
        return;
    }
    Check(back->JulianDay - jd >= -0.1 / 86400 - slack && back->JulianDay - jd <= slack,
          "shown fields give another day", what);
    int h = -1, m = -1;
    const std::string sidereal = SiderealTimeText(GreenwichSiderealAngle(jd));
    Check(std::sscanf(sidereal.c_str(), "%d %d'", &h, &m) == 2 && h >= 0 && h <= 23 && m >= 0 && m <= 59,
          "sidereal time out of range", sidereal);
}

void CheckAngle(double radians, char separator) {
    if (!std::isfinite(radians)) return;
    const double angle = std::remainder(radians, 2 * 3.141592653589793);
    const AngleFields shown = ShownAngle(angle, separator);
    const std::string what =
        std::to_string(shown.Degrees) + " " + std::to_string(shown.Minutes) + " " + shown.Seconds;
    const double seconds = ReadBack(StrictFloat(shown.Seconds), what);
    const std::size_t point = shown.Seconds.find(separator);
    Check(shown.Degrees <= 180 && shown.Minutes >= 0 && shown.Minutes <= 59 && seconds >= 0 && seconds < 60 &&
              (point == std::string::npos || shown.Seconds.size() - point <= 7),
          "field out of range", what);
    const double back = AngleOfFields(shown.Degrees, shown.Minutes, seconds);
    Check(std::fabs(back - std::fabs(angle)) * 206264.80624709636 <= ShownAngleTolerance,
          "shown angle gives another", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const bool summer = (data[1] & 1) != 0;
    const char separator = (data[1] & 2) != 0 ? ',' : '.';
    const std::string rest(reinterpret_cast<const char*>(data + 2), size - 2);
    std::vector<std::string> t(1);
    for (char c : rest)
        if (c == '|')
            t.emplace_back();
        else
            t.back().push_back(c);
    if (data[0] == 'c' && t.size() >= 7) {
        const FieldNumber<DayOfCivilFields> day =
            JulianDayOfCivilFields({t[0], t[1], t[2], t[3], t[4], t[5], t[6], summer});
        if (day)
            CheckShownDay(FormatGeneral15(day->JulianDay, separator), t[6], summer,
                          separator);  // as the field shows it
    } else if (data[0] == 'j' && t.size() >= 2)
        CheckShownDay(t[0], t[1], summer, separator);
    else if (data[0] == 'p' && rest.size() >= sizeof(double)) {
        double radians = 0;
        std::memcpy(&radians, rest.data(), sizeof radians);
        CheckAngle(radians, separator);
    }
    return 0;
}
