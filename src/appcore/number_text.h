#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kolvar {

// The decimal separator of the current C locale (LC_NUMERIC), '.' when the
// locale gives none or a multi-byte one.
char LocaleDecimalSeparator();

// General floating-point format with 15 significant digits: fixed-point without
// trailing zeros ("1", "-0.5", "0.333333333333333"), scientific ("1E-6",
// "1.5E20") only for magnitudes below 0.00001 or with more than 15 integer
// digits. `separator` is the decimal separator to write. Every finite double
// gives a text that ParseStrictDouble reads back to within 15 digits (the
// largest doubles are written as 1.79769313486231E308).
std::string FormatGeneral15(double value, char separator);
std::string FormatGeneral15(double value);  // with LocaleDecimalSeparator()

// Strict decimal conversion: optional surrounding blanks, an optional sign,
// digits with at most one `separator`, an optional exponent; nothing else.
// Out-of-range values are rejected.
std::optional<double> ParseStrictDouble(std::string_view text, char separator);
std::optional<double> ParseStrictDouble(std::string_view text);  // LocaleDecimalSeparator()

// The double rule of the settings file: ParseStrictDouble with either '.' or
// ',' (or `localeSeparator`) as the decimal separator, so a file written under
// a comma locale reads the same under a point locale and the reverse. A text
// with more than one of those characters is no number.
std::optional<double> ParseIniDouble(std::string_view text, char localeSeparator);

// The integer rule of the settings file: a text longer than 2 characters that
// begins with "0x" or "0X" is hexadecimal, otherwise a signed decimal. Leading
// blanks are allowed; anything else, and values outside 32 bits, is no integer.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace kolvar
