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

ConversionError NotANumber(std::string_view text) {
    return ConversionError(std::string(text), ConversionError::Reason::NotANumber);
}

// The text without the blanks around it.
std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

template <class T>
FieldNumber<T> WithinZone(T zone, std::string_view text) {
    if (std::fabs(zone) > LargestZoneHours)
        return FieldNumber<T>::Failure(
            ConversionError(std::string(text), ConversionError::Reason::UnknownZone));
    return zone;
}

}  // namespace

ConversionError::ConversionError(std::string text, Reason reason) : text_(std::move(text)), reason_(reason) {}

FieldNumber<int> StrictInteger(std::string_view text) {
    static const std::regex shape("[+-]?[0-9]+");
    std::string number(Trimmed(text));
    if (!std::regex_match(number, shape)) return FieldNumber<int>::Failure(NotANumber(text));
    std::string_view digits(number);
    if (digits.front() == '+') digits.remove_prefix(1);
    const Outcome<int> value = ReadWholeInteger<int>(digits);
    if (!value) return FieldNumber<int>::Failure(NotANumber(text));
    return *value;
}

FieldNumber<double> StrictFloat(std::string_view text, char separator) {
    // The shared strict decimal rule; around the number a field also allows
    // any white space, not only blanks and tabs.
    const std::optional<double> value = ParseStrictDouble(Trimmed(text), separator);
    if (!value) return FieldNumber<double>::Failure(NotANumber(text));
    return *value;
}

FieldNumber<double> StrictFloat(std::string_view text) {
    const std::optional<double> value = ParseIniDouble(Trimmed(text), LocaleDecimalSeparator());
    if (!value) return FieldNumber<double>::Failure(NotANumber(text));
    return *value;
}

FieldNumber<double> StrictJulianDay(std::string_view text) {
    const FieldNumber<double> day = StrictFloat(text);
    if (day && !ElementsCoverDay(*day))
        return FieldNumber<double>::Failure(
            ConversionError(std::string(text), ConversionError::Reason::UncoveredDay));
    return day;
}

FieldNumber<std::optional<float>> LeadingFloat(std::string_view text) {
    using Result = FieldNumber<std::optional<float>>;
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // from_chars takes no sign of its own, so a second one means no number.
    if (i >= text.size() || text[i] == '+' || text[i] == '-') return std::optional<float>();
    // from_chars knows only the point: the first separator, if it is a comma,
    // becomes one in a copy.
    std::string number(text.substr(i));
    const std::size_t separator = number.find_first_of(".,");
    if (separator != std::string::npos) number[separator] = '.';
    const char* first = number.data();
    const char* last = number.data() + number.size();
    float value = 0.0f;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::invalid_argument) return std::optional<float>();
    if (ec == std::errc::result_out_of_range) {
        // Too small for a float reads as zero, as scanf gives it; too large has no value.
        double wide = 0.0;
        auto [wideEnd, wideEc] = std::from_chars(first, last, wide);
        if (wideEc == std::errc{} && std::fabs(wide) < 1.0)
            value = 0.0f;
        else
            return Result::Failure(NotANumber(text));
    }
    if (!std::isfinite(value)) return Result::Failure(NotANumber(text));
    return std::optional<float>(negative ? -value : value);
}

FieldNumber<float> LenientZone(std::string_view text) {
    const FieldNumber<std::optional<float>> zone = LeadingFloat(text);
    if (!zone) return FieldNumber<float>::Failure(zone.Error());
    return WithinZone(zone->value_or(1.0f), text);
}

FieldNumber<double> StrictZone(std::string_view text) {
    const FieldNumber<double> zone = StrictFloat(text);
    if (!zone) return zone;
    return WithinZone(*zone, text);
}

int ReduceToSignedByte(int value) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFu));
}

}  // namespace kolvar
