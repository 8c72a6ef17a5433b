#include "appcore/time_texts.h"

#include <array>
#include <cctype>
#include <charconv>

#include "astro/time_scales.h"

namespace kolvar {

namespace {

// Reads exactly `digits` decimal digits at `pos`.
std::optional<int> Digits(std::string_view text, std::size_t& pos, std::size_t digits) {
    if (pos + digits > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    pos += digits;
    return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

struct UnitName {
    std::string_view Suffix;
    TimeStepUnit Unit;
};
// Longest suffixes first, so that "mo" is not read as "m" with a stray "o".
constexpr std::array<UnitName, TimeStepUnitCount> UnitNames = {{
    {"sd", TimeStepUnit::SiderealDay},
    {"lm", TimeStepUnit::LunarMonth},
    {"mo", TimeStepUnit::CalendarMonth},
    {"m", TimeStepUnit::Minute},
    {"h", TimeStepUnit::Hour},
    {"d", TimeStepUnit::Day},
    {"w", TimeStepUnit::Week},
    {"y", TimeStepUnit::Year},
}};

}  // namespace

Outcome<CivilDateTime> ParseCivilDateTime(std::string_view text) {
    const auto shapeError = [] {
        return Outcome<CivilDateTime>::Failure(
            "expected YYYY-MM-DD, YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS");
    };
    CivilDateTime c;
    std::size_t pos = text.size() > 0 && text[0] == '-' ? 1 : 0;
    const std::size_t yearStart = pos;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) != 0) ++pos;
    if (pos == yearStart || pos - yearStart > 9) return shapeError();
    std::from_chars(text.data() + yearStart, text.data() + pos, c.Year);
    if (yearStart == 1) c.Year = -c.Year;

    std::optional<int> month, day, hour, minute, second;
    if (!Expect(text, pos, '-') || !(month = Digits(text, pos, 2)) || !Expect(text, pos, '-') ||
        !(day = Digits(text, pos, 2)))
        return shapeError();
    if (Expect(text, pos, 'T')) {
        if (!(hour = Digits(text, pos, 2)) || !Expect(text, pos, ':') || !(minute = Digits(text, pos, 2)))
            return shapeError();
        if (Expect(text, pos, ':')) {
            const std::size_t secondStart = pos;
            if (!(second = Digits(text, pos, 2))) return shapeError();
            if (Expect(text, pos, '.')) {
                const std::size_t fractionStart = pos;
                while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) != 0) ++pos;
                if (pos == fractionStart) return shapeError();
            }
            std::from_chars(text.data() + secondStart, text.data() + pos, c.Second);
        }
    }
    if (pos != text.size()) return shapeError();

    c.Month = *month;
    c.Day = *day;
    c.Hour = hour.value_or(0);
    c.Minute = minute.value_or(0);
    if (c.Month < 1 || c.Month > 12)
        return Outcome<CivilDateTime>::Failure("no month " + std::to_string(c.Month));
    if (c.Day < 1 || c.Day > DaysInMonth(c.Year, c.Month))
        return Outcome<CivilDateTime>::Failure("no day " + std::to_string(c.Day) + " in that month");
    if (c.Hour > 23 || c.Minute > 59 || second.value_or(0) > 59)
        return Outcome<CivilDateTime>::Failure("no such time of day");
    return c;
}

double JulianDayOfCivil(const CivilDateTime& civil, double zoneHours, bool summerTime) {
    return static_cast<double>(JulianDayFromCalendar(civil.Year, civil.Month, civil.Day, civil.Hour,
                                                     civil.Minute, civil.Second, summerTime, zoneHours));
}

std::optional<TimeStep> ParseTimeStep(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits])) != 0) ++digits;
    if (digits == 0 || digits > 6) return std::nullopt;
    int count = 0;
    std::from_chars(text.data(), text.data() + digits, count);
    if (count < 1 || count > MaxStepCount) return std::nullopt;
    const std::string_view suffix = text.substr(digits);
    for (const UnitName& name : UnitNames)
        if (suffix == name.Suffix) return TimeStep{name.Unit, count};
    return std::nullopt;
}

std::string FormatTimeStep(const TimeStep& step) {
    for (const UnitName& name : UnitNames)
        if (name.Unit == step.Unit) return std::to_string(step.Count) + std::string(name.Suffix);
    return std::to_string(step.Count) + "h";
}

}  // namespace kolvar
