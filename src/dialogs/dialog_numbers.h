#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "astro/outcome.h"

namespace kolvar {

// Why a dialog could not take a text as a number: the text as it stood in its
// field (UTF-8) and the reason. The readers below carry it in their result;
// ConversionErrorText words it for the message box.
class ConversionError {
public:
    enum class Reason {
        NotANumber,    // no number, trailing characters, another separator, out of range
        UncoveredDay,  // a Julian day that the orbital elements do not cover
        UnknownZone,   // a zone more than a day east or west of Greenwich
    };
    ConversionError() = default;
    ConversionError(std::string text, Reason reason);
    const std::string& Text() const { return text_; }
    Reason Why() const { return reason_; }

private:
    std::string text_;
    Reason reason_ = Reason::NotANumber;
};

// A number a dialog read, or why it could not.
template <class T>
using FieldNumber = Outcome<T, ConversionError>;

// The dialogs' strict conversions. Both allow blanks around the number and
// nothing else beside it.
// An optionally signed decimal integer within 32 bits.
FieldNumber<int> StrictInteger(std::string_view text);
// An optionally signed decimal number with `separator` as its only decimal
// separator and an optional exponent; no "nan" or "inf", no overflow.
FieldNumber<double> StrictFloat(std::string_view text, char separator);
// The same with a point or a comma (or the locale's separator) as the decimal
// separator, as the settings file reads its numbers: a value shown under a
// comma locale and one typed with a point both read.
FieldNumber<double> StrictFloat(std::string_view text);

// A Julian day as the time dialog reads it: StrictFloat, and a day for which
// the orbital elements give every body a position (ElementsCoverDay).
FieldNumber<double> StrictJulianDay(std::string_view text);

// The lenient scan of the leading number of a text, as C's "%f" reads it into
// a float, but with a point or a comma as decimal separator (the first one
// counts): leading white space skipped, the rest of the text ignored. Empty
// when the text does not begin with a number; a number that single precision
// cannot hold (nan, inf, 1e39) is an error.
FieldNumber<std::optional<float>> LeadingFloat(std::string_view text);

// The largest zone, in hours either way, that the time dialog takes: beyond a
// day east or west of Greenwich a zone names no civil time.
inline constexpr double LargestZoneHours = 24.0;

// The zone as the time dialog converts with it: the leading number of the
// text in single precision, 1 h when there is none. A zone beyond
// LargestZoneHours is an error (UnknownZone).
FieldNumber<float> LenientZone(std::string_view text);
// The zone as OK takes it: StrictFloat, within LargestZoneHours.
FieldNumber<double> StrictZone(std::string_view text);

// The integer modulo 256 as a signed byte: 300 -> 44, 200 -> -56.
int ReduceToSignedByte(int value);

}  // namespace kolvar
