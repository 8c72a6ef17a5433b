#include "dialogs/dialog_numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <regex>
#include <system_error>

#include "appcore/number_text.h"
#include "astro/ephemeris_range.h"

namespace kolvar {
namespace {

[[noreturn]] void NotANumber(std::string_view text) {
    throw ConversionError(std::string(text), ConversionError::Reason::NotANumber);
}

// The text without the blanks around it.
std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

void CheckZone(double zone, std::string_view text) {
    if (std::fabs(zone) > LargestZoneHours)
        throw ConversionError(std::string(text), ConversionError::Reason::UnknownZone);
}

}  // namespace

ConversionError::ConversionError(std::string text, Reason reason)
    : std::runtime_error("cannot read \"" + text + "\" as a number"),
      text_(std::move(text)),
      reason_(reason) {}

int StrictInteger(std::string_view text) {
    static const std::regex shape("[+-]?[0-9]+");
    std::string number(Trimmed(text));
    if (!std::regex_match(number, shape)) NotANumber(text);
    const char* first = number.data();
    if (*first == '+') ++first;
    int value = 0;
    auto [end, ec] = std::from_chars(first, number.data() + number.size(), value);
    if (ec != std::errc{}) NotANumber(text);
    return value;
}

double StrictFloat(std::string_view text, char separator) {
    // The shared strict decimal rule; around the number a field also allows
    // any white space, not only blanks and tabs.
    const std::optional<double> value = ParseStrictDouble(Trimmed(text), separator);
    if (!value) NotANumber(text);
    return *value;
}

double StrictFloat(std::string_view text) {
    const std::optional<double> value = ParseIniDouble(Trimmed(text), LocaleDecimalSeparator());
    if (!value) NotANumber(text);
    return *value;
}

double StrictJulianDay(std::string_view text) {
    const double day = StrictFloat(text);
    if (!ElementsCoverDay(day))
        throw ConversionError(std::string(text), ConversionError::Reason::UncoveredDay);
    return day;
}

std::optional<float> LeadingFloat(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // from_chars takes no sign of its own, so a second one means no number.
    if (i >= text.size() || text[i] == '+' || text[i] == '-') return std::nullopt;
    // from_chars knows only the point: the first separator, if it is a comma,
    // becomes one in a copy.
    std::string number(text.substr(i));
    const std::size_t separator = number.find_first_of(".,");
    if (separator != std::string::npos) number[separator] = '.';
    const char* first = number.data();
    const char* last = number.data() + number.size();
    float value = 0.0f;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::invalid_argument) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too small for a float reads as zero, as scanf gives it; too large has no value.
        double wide = 0.0;
        auto [wideEnd, wideEc] = std::from_chars(first, last, wide);
        if (wideEc == std::errc{} && std::fabs(wide) < 1.0)
            value = 0.0f;
        else
            NotANumber(text);
    }
    if (!std::isfinite(value)) NotANumber(text);
    return negative ? -value : value;
}

float LenientZone(std::string_view text) {
    const float zone = LeadingFloat(text).value_or(1.0f);
    CheckZone(zone, text);
    return zone;
}

double StrictZone(std::string_view text) {
    const double zone = StrictFloat(text);
    CheckZone(zone, text);
    return zone;
}

int ReduceToSignedByte(int value) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFu));
}

}  // namespace kolvar
