#include "appcore/number_text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "astro/outcome.h"

namespace kolvar {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

void StripTrailingZeros(std::string& digits) {
    if (digits.find('.') == std::string::npos) return;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (!digits.empty() && digits.back() == '.') digits.pop_back();
}

}  // namespace

char LocaleDecimalSeparator() {
    const std::lconv* lc = std::localeconv();
    if (lc == nullptr || lc->decimal_point == nullptr) return '.';
    const char* dp = lc->decimal_point;
    if (dp[0] == '\0' || dp[1] != '\0') return '.';
    return dp[0];
}

std::string FormatGeneral15(double value, char separator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";
    // Rounded to 15 digits, the doubles nearest the largest one would become
    // 1.79769313486232E308, which no reader takes for a finite number; they are
    // written as the largest 15-digit text below it instead.
    constexpr double LargestFifteenDigits = 1.79769313486231e308;
    if (std::abs(value) > LargestFifteenDigits) value = std::copysign(LargestFifteenDigits, value);

    // Round to 15 significant digits first; the exponent of the rounded value
    // decides between fixed-point and scientific notation.
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string sci(buf, end);  // e.g. "-3.33333333333333e-01"
    std::size_t e = sci.find('e');
    int exponent = std::atoi(sci.c_str() + e + 1);
    std::string mantissa = sci.substr(0, e);

    std::string out;
    if (exponent < -5 || exponent >= 15) {
        StripTrailingZeros(mantissa);
        out = mantissa + "E" + std::to_string(exponent);
    } else {
        int decimals = 14 - exponent;  // keeps 15 significant digits
        auto [fend, fec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
        out.assign(buf, fend);
        StripTrailingZeros(out);
    }
    for (char& c : out)
        if (c == '.') c = separator;
    return out;
}

std::string FormatGeneral15(double value) { return FormatGeneral15(value, LocaleDecimalSeparator()); }

std::optional<double> ParseStrictDouble(std::string_view text, char separator) {
    text = TrimBlanks(text);
    std::string plain;  // the same number with '.' as separator, for the shared reader
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        plain += text[i++];
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == separator) {
        ++i;
        plain += '.';
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        int exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    const std::optional<double> value = ReadWholeDecimal(plain).Optional();
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

std::optional<double> ParseStrictDouble(std::string_view text) {
    return ParseStrictDouble(text, LocaleDecimalSeparator());
}

std::optional<double> ParseIniDouble(std::string_view text, char localeSeparator) {
    // A text with at most one '.' or ',' (or the locale's own separator) and no
    // other of them has one reading, whichever locale wrote it.
    std::size_t count = 0;
    char used = localeSeparator;
    for (char c : text)
        if (c == '.' || c == ',' || c == localeSeparator) {
            ++count;
            used = c;
        }
    if (count > 1) return std::nullopt;
    return ParseStrictDouble(text, used);
}

std::optional<int> ParseIniInteger(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t value = 0;
        std::string_view hex = text.substr(2);
        auto [ptr, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
        if (ec != std::errc{} || ptr != hex.data() + hex.size()) return std::nullopt;
        return static_cast<int>(value);  // 0xFFFFFFFF is -1, as a 32-bit register holds it
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::string_view digits = text.substr(i);
    if (digits.empty() || !IsDigit(digits.front())) return std::nullopt;
    const Outcome<std::int64_t> magnitude = ReadWholeInteger<std::int64_t>(digits);
    if (!magnitude) return std::nullopt;
    const std::int64_t value = negative ? -*magnitude : *magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace kolvar
