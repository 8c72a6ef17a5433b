#include "elements/mpc_designations.h"

#include <erfa.h>

#include <cmath>

namespace kolvar {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

// 0-9, A-Z, a-z as 0 .. 61; -1 otherwise.
int Base62(char c) {
    if (IsDigit(c)) return c - '0';
    if (IsUpper(c)) return c - 'A' + 10;
    if (IsLower(c)) return c - 'a' + 36;
    return -1;
}

std::optional<int> Century(char c) {
    if (c >= 'A' && c <= 'L') return (c - 'A' + 10) * 100;
    return std::nullopt;
}

std::optional<int> TwoDigits(char a, char b) {
    if (!IsDigit(a) || !IsDigit(b)) return std::nullopt;
    return (a - '0') * 10 + (b - '0');
}

// The cycle count of a provisional designation: two digits, or a letter for
// the tens (A = 10 .. z = 61) and a digit.
std::optional<int> Cycle(char tens, char units) {
    const int t = Base62(tens);
    if (t < 0 || !IsDigit(units)) return std::nullopt;
    return t * 10 + (units - '0');
}

// The half-month letter: A .. Y without I.
bool IsHalfMonth(char c) { return IsUpper(c) && c != 'I' && c != 'Z'; }

}  // namespace

std::optional<long> UnpackMinorPlanetNumber(std::string_view packed) {
    if (packed.size() != 5) return std::nullopt;
    if (packed[0] == '~') {
        long value = 0;
        for (char c : packed.substr(1)) {
            const int d = Base62(c);
            if (d < 0) return std::nullopt;
            value = value * 62 + d;
        }
        return 620000 + value;
    }
    const int head = Base62(packed[0]);
    if (head < 0) return std::nullopt;
    long value = head;
    for (char c : packed.substr(1)) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::string> UnpackMinorPlanetProvisional(std::string_view packed) {
    if (packed.size() != 7) return std::nullopt;
    // Survey designations: PLS, T1S, T2S, T3S and a four-digit number.
    const std::string_view survey = packed.substr(0, 3);
    if (survey == "PLS" || survey == "T1S" || survey == "T2S" || survey == "T3S") {
        for (char c : packed.substr(3))
            if (!IsDigit(c)) return std::nullopt;
        const std::string name = survey == "PLS" ? "P-L" : std::string("T-") + survey[1];
        return std::string(packed.substr(3)) + " " + name;
    }
    const auto century = Century(packed[0]);
    const auto year = TwoDigits(packed[1], packed[2]);
    const auto cycle = Cycle(packed[4], packed[5]);
    if (!century || !year || !cycle || !IsHalfMonth(packed[3]) || !IsUpper(packed[6]) || packed[6] == 'I')
        return std::nullopt;
    std::string text = std::to_string(*century + *year) + " " + packed[3] + packed[6];
    if (*cycle > 0) text += std::to_string(*cycle);
    return text;
}

std::optional<std::string> UnpackCometProvisional(std::string_view packed) {
    if (packed.size() != 7) return std::nullopt;
    if (IsUpper(packed[6])) return UnpackMinorPlanetProvisional(packed);
    const auto century = Century(packed[0]);
    const auto year = TwoDigits(packed[1], packed[2]);
    const auto cycle = Cycle(packed[4], packed[5]);
    if (!century || !year || !cycle || !IsHalfMonth(packed[3])) return std::nullopt;
    if (packed[6] != '0' && !IsLower(packed[6])) return std::nullopt;
    std::string text = std::to_string(*century + *year) + " " + packed[3] + std::to_string(*cycle);
    if (IsLower(packed[6])) text += std::string("-") + static_cast<char>(packed[6] - 'a' + 'A');
    return text;
}

std::optional<double> UnpackDate(std::string_view packed) {
    if (packed.size() != 5) return std::nullopt;
    const auto century = Century(packed[0]);
    const auto year = TwoDigits(packed[1], packed[2]);
    const int month = Base62(packed[3]);
    const int day = Base62(packed[4]);
    if (!century || !year || month < 1 || day < 1) return std::nullopt;
    return JulianDayOfDate(*century + *year, month, day);
}

std::optional<double> JulianDayOfDate(int year, int month, double day) {
    if (!(day >= 1.0 && day < 33.0)) return std::nullopt;
    const double whole = std::floor(day);
    double zero = 0.0, mjd = 0.0;
    if (eraCal2jd(year, month, static_cast<int>(whole), &zero, &mjd) != 0) return std::nullopt;
    return zero + mjd + (day - whole);
}

}  // namespace kolvar
