// Fuzz target for the time and place dialogs' readers and calendar arithmetic
// (dialog_numbers.h, time_fields.h, place_angles.h). The first byte picks the
// check, the second its flags (bit 0 summer time, bit 1 a comma as the
// separator written); the rest are texts separated by '|'.
//   'c' year|month|day|hour|minute|second|zone: what the conversion button
//       takes gives a covered day, whose civil fields convert back to it;
//   'j' julian day|zone: the civil fields of what the dialog takes are in
//       range and convert back to the day; the sidereal time is in range;
//   'p' eight bytes, a double: the shown degrees, minutes and seconds of the
//       angle, reduced to a half turn, give it back to within 1e-6";
//   anything else: each text, where a reader takes it, reads as a finite
//       number, alike with either separator.
// Undefined behaviour anywhere is the sanitizers' to report.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "appcore/number_text.h"
#include "astro/ephemeris_range.h"
#include "astro/time_scales.h"
#include "dialogs/dialog_numbers.h"
#include "dialogs/place_angles.h"
#include "dialogs/time_fields.h"
#include "fuzz_checks.h"

namespace {

using kolvar::ConversionError;
using kolvar::fuzz::Check;

constexpr double Second = 1.0 / 86400;
// Shown seconds are cut to tenths; the rest is the double Julian day near
// 1e8 and the single-precision seconds.
constexpr double ShownSecondsSlack = 0.1 * Second;
constexpr double ArithmeticSlack = 0.005 * Second;

std::vector<std::string> Texts(std::string_view rest)
{
    std::vector<std::string> texts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = rest.find('|', start);
        texts.emplace_back(rest.substr(start, bar - start));
        if (bar == std::string_view::npos) return texts;
        start = bar + 1;
    }
}

template <typename Reader>
bool Reads(Reader read)
{
    try {
        read();
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

// The civil fields of `julianDay` in `zone` convert back to the day the
// dialog read from the text.
void CheckCivilFieldsOf(const std::string& julianDay, const std::string& zone, bool summer, char separator)
{
    kolvar::CivilFieldsOfDay shown;
    if (!Reads([&] { shown = kolvar::CivilFieldsOfJulianDay(julianDay, zone, summer, separator); })) return;
    const kolvar::CivilFieldTexts& f = shown.Fields;
    const std::string what = julianDay + " in " + zone;
    Check(shown.Weekday >= 0 && shown.Weekday <= 6, "weekday out of range", what);
    const int month = kolvar::StrictInteger(f.Month);
    const int day = kolvar::StrictInteger(f.Day);
    const int hour = kolvar::StrictInteger(f.Hour);
    const int minute = kolvar::StrictInteger(f.Minute);
    const double seconds = kolvar::StrictFloat(f.Second, separator);
    Check(month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0 && hour <= 23 && minute >= 0 &&
              minute <= 59 && seconds >= 0 && seconds <= 59.9,
          "civil field out of range", what + ": " + f.Month + " " + f.Day + " " + f.Hour + " " + f.Minute + " " + f.Second);

    const double jd = kolvar::StrictJulianDay(julianDay);
    kolvar::DayOfCivilFields back;
    if (!Reads([&] { back = kolvar::JulianDayOfCivilFields(f); })) {
        // Only a day within a tenth of a second of the elements' end may go out with its cut seconds.
        Check(!kolvar::ElementsCoverDay(jd - ShownSecondsSlack), "shown fields do not convert", what);
        return;
    }
    const double difference = back.JulianDay - jd;
    Check(difference >= -ShownSecondsSlack - ArithmeticSlack && difference <= ArithmeticSlack,
          "shown fields give another day", what + " -> " + f.Year + "-" + f.Month + "-" + f.Day);

    const std::string sidereal = kolvar::SiderealTimeText(kolvar::GreenwichSiderealAngle(jd));
    int h = -1;
    int m = -1;
    Check(std::sscanf(sidereal.c_str(), "%d %d'", &h, &m) == 2 && h >= 0 && h <= 23 && m >= 0 && m <= 59,
          "sidereal time out of range", sidereal);
}

void CheckCivil(const std::vector<std::string>& t, bool summer, char separator)
{
    if (t.size() < 7) return;
    const kolvar::CivilFieldTexts fields{t[0], t[1], t[2], t[3], t[4], t[5], t[6], summer};
    kolvar::DayOfCivilFields day;
    if (!Reads([&] { day = kolvar::JulianDayOfCivilFields(fields); })) return;
    Check(std::isfinite(day.JulianDay) && day.Weekday >= 0 && day.Weekday <= 6, "conversion gave no day",
          t[0] + " " + t[6]);
    // The dialog writes the day into its field, and reads it from there.
    CheckCivilFieldsOf(kolvar::FormatGeneral15(day.JulianDay, separator), fields.Zone, summer, separator);
}

void CheckAngle(double radians, char separator)
{
    if (!std::isfinite(radians)) return;
    const double angle = std::remainder(radians, 2 * 3.141592653589793);  // as normalised: at most a half turn
    const kolvar::AngleFields shown = kolvar::ShownAngle(angle, separator);
    const std::string what = std::to_string(shown.Degrees) + " " + std::to_string(shown.Minutes) + " " + shown.Seconds;
    double seconds = -1;
    Check(Reads([&] { seconds = kolvar::StrictFloat(shown.Seconds); }), "seconds do not read", what);
    Check(shown.Degrees >= 0 && shown.Degrees <= 180 && shown.Minutes >= 0 && shown.Minutes <= 59 && seconds >= 0 &&
              seconds < 60,
          "field out of range", what);
    const std::size_t point = shown.Seconds.find(separator);
    Check(point == std::string::npos || shown.Seconds.size() - point - 1 <= 6, "more than six decimals", what);
    const double back = kolvar::AngleOfFields(shown.Degrees, shown.Minutes, seconds);
    Check(std::fabs(back - std::fabs(angle)) * 206264.80624709636 <= kolvar::ShownAngleTolerance,
          "shown angle gives another", what);
}

void CheckReaders(const std::vector<std::string>& texts)
{
    for (const std::string& text : texts) {
        double value = 0;
        if (Reads([&] { value = kolvar::StrictFloat(text); })) {
            Check(std::isfinite(value), "strict reader gave a non-finite value", text);
            std::string swapped = text;
            for (char& c : swapped)
                if (c == '.' || c == ',') c = c == '.' ? ',' : '.';
            Check(kolvar::StrictFloat(swapped) == value, "the other separator reads another value", text);
        }
        float leading = 0;
        if (Reads([&] { leading = kolvar::LeadingFloat(text).value_or(0.0f); }))
            Check(std::isfinite(leading), "leading number not finite", text);
        float zone = 0;
        if (Reads([&] { zone = kolvar::LenientZone(text); }))
            Check(std::fabs(zone) <= kolvar::LargestZoneHours, "zone beyond a day", text);
        int integer = 0;
        if (Reads([&] { integer = kolvar::StrictInteger(text); }))
            Check(kolvar::StrictInteger(std::to_string(integer)) == integer, "integer text reads another value", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const bool summer = (data[1] & 1) != 0;
    const char separator = (data[1] & 2) != 0 ? ',' : '.';
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    switch (data[0]) {
        case 'c': CheckCivil(Texts(rest), summer, separator); break;
        case 'j': {
            const std::vector<std::string> t = Texts(rest);
            if (t.size() >= 2) CheckCivilFieldsOf(t[0], t[1], summer, separator);
            break;
        }
        case 'p':
            if (rest.size() >= sizeof(double)) {
                double radians = 0;
                std::memcpy(&radians, rest.data(), sizeof radians);
                CheckAngle(radians, separator);
            }
            break;
        default: CheckReaders(Texts(rest));
    }
    return 0;
}
