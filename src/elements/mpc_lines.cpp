#include "elements/mpc_lines.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "astro/angles.h"
#include "astro/two_body.h"
#include "elements/mpc_designations.h"
#include "elements/number_fields.h"

namespace kolvar {

namespace {

constexpr std::size_t MinorPlanetElementsEnd = 103;  // the semi-major axis ends in column 103
constexpr std::size_t CometElementsEnd = 79;         // the inclination ends in column 79
constexpr double DefaultSlopeG = 0.15;               // the H, G system's usual slope
constexpr double DefaultCometK1 = 10.0;              // 2.5 times the usual k of 4

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

bool IsDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// A required number: the value, or the reason naming the field.
struct Field {
    std::optional<double> Value;
    std::string Problem;
};
Field Required(std::string_view line, std::size_t first, std::size_t count, const char* what) {
    const std::string_view text = Columns(line, first, count);
    Field f;
    f.Value = ParseNumberField(text);
    if (!f.Value) f.Problem = std::string(what) + (TrimBlanks(text).empty() ? " missing" : " not a number");
    return f;
}

std::string TooShort(std::string_view line, std::size_t needed) {
    return "truncated line (" + std::to_string(line.size()) + " characters, the elements need " +
           std::to_string(needed) + ")";
}

// "(3708)" -> "3708".
std::optional<std::string> Parenthesised(std::string_view text) {
    if (text.size() < 3 || text.front() != '(' || text.back() != ')') return std::nullopt;
    return std::string(text.substr(1, text.size() - 2));
}

// A minor planet's packed designation in columns 1-7: a number or a provisional designation.
std::optional<std::string> UnpackMinorPlanetDesignation(std::string_view packed) {
    packed = TrimBlanks(packed);
    if (packed.size() == 5) {
        if (const auto n = UnpackMinorPlanetNumber(packed)) return std::to_string(*n);
    }
    if (packed.size() == 7) return UnpackMinorPlanetProvisional(packed);
    return std::nullopt;
}

}  // namespace

bool LooksLikeCometLine(std::string_view line) {
    if (line.size() < 19) return false;
    const char type = line[4];
    const bool typeLetter =
        type == 'P' || type == 'C' || type == 'D' || type == 'X' || type == 'I' || type == 'A';
    return typeLetter && IsDigits(line.substr(14, 4)) && line[18] == ' ';
}

void SplitMinorPlanetName(std::string_view text, std::string& designation, std::string& name) {
    text = TrimBlanks(text);
    designation.clear();
    name.clear();
    if (!text.empty() && text.front() == '(') {
        const std::size_t close = text.find(')');
        const std::string_view inside = text.substr(1, close == std::string_view::npos ? 0 : close - 1);
        if (close != std::string_view::npos && IsDigits(inside)) {
            designation = std::string(inside);
            const std::string_view rest = TrimBlanks(text.substr(close + 1));
            // A rest that starts with a digit is the provisional designation, not a name.
            if (!rest.empty() && !(rest.front() >= '0' && rest.front() <= '9')) name = std::string(rest);
            return;
        }
        if (const auto inner = Parenthesised(text)) {
            designation = *inner;
            return;
        }
    }
    designation = std::string(text);
}

void SplitJplMinorPlanetName(std::string_view text, std::string& designation, std::string& name) {
    text = TrimBlanks(text);
    designation.clear();
    name.clear();
    if (const auto inner = Parenthesised(text)) {
        designation = *inner;
        return;
    }
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    if (digits == 0 || (digits < text.size() && text[digits] != ' ')) {
        designation = std::string(text);
        return;
    }
    designation = std::string(text.substr(0, digits));
    std::string_view rest = TrimBlanks(text.substr(digits));
    const std::size_t open = rest.rfind('(');
    if (open != std::string_view::npos && rest.back() == ')') rest = TrimBlanks(rest.substr(0, open));
    name = std::string(rest);
}

namespace {

// The length of a fragment suffix "-B", "-AA" at the end of `text`, 0 for none.
std::size_t FragmentSuffix(std::string_view text) {
    std::size_t letters = 0;
    while (letters < text.size() && letters < 3 && IsUpperLetter(text[text.size() - 1 - letters])) ++letters;
    if (letters == 0 || letters > 2 || letters + 1 >= text.size() || text[text.size() - 1 - letters] != '-')
        return 0;
    return letters + 1;
}

}  // namespace

void SplitCometName(std::string_view text, std::string& designation, std::string& name) {
    text = TrimBlanks(text);
    designation.clear();
    name.clear();
    // "1P/Halley", "73P-B/Schwassmann-Wachmann": a number, a type letter, an optional fragment.
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    const std::size_t slash = text.find('/');
    if (digits > 0 && slash != std::string_view::npos && slash > digits) {
        designation = std::string(text.substr(0, slash));
        std::string_view rest = TrimBlanks(text.substr(slash + 1));
        if (const std::size_t fragment = FragmentSuffix(rest);
            fragment > 0 && designation.find('-') == std::string::npos) {
            designation += std::string(rest.substr(rest.size() - fragment));
            rest = rest.substr(0, rest.size() - fragment);
        }
        name = std::string(rest);
        return;
    }
    // "C/1995 O1 (Hale-Bopp)".
    const std::size_t open = text.rfind(" (");
    if (open != std::string_view::npos && text.back() == ')') {
        designation = std::string(TrimBlanks(text.substr(0, open)));
        name = std::string(TrimBlanks(text.substr(open + 2, text.size() - open - 3)));
        return;
    }
    designation = std::string(text);
}

LineResult ReadMinorPlanetLine(std::string_view line) {
    if (line.size() < MinorPlanetElementsEnd) return TooShort(line, MinorPlanetElementsEnd);
    const auto designation = UnpackMinorPlanetDesignation(Columns(line, 0, 7));
    if (!designation)
        return "unknown packed designation '" + std::string(TrimBlanks(Columns(line, 0, 7))) + "'";
    const auto epoch = UnpackDate(TrimBlanks(Columns(line, 20, 5)));
    if (!epoch) return "unknown packed epoch '" + std::string(TrimBlanks(Columns(line, 20, 5))) + "'";

    const Field fields[] = {
        Required(line, 26, 9, "mean anomaly"), Required(line, 37, 9, "argument of perihelion"),
        Required(line, 48, 9, "node"),         Required(line, 59, 9, "inclination"),
        Required(line, 70, 9, "eccentricity"), Required(line, 92, 11, "semi-major axis")};
    for (const Field& f : fields)
        if (!f.Value) return f.Problem;
    const double meanAnomaly = *fields[0].Value, e = *fields[4].Value, a = *fields[5].Value;
    if (e < 0.0) return "eccentricity below 0";
    if (e >= 1.0) return "eccentricity 1 or more with a semi-major axis";
    if (!(a > 0.0)) return "semi-major axis not above 0";

    SmallBody body;
    body.Kind = SmallBodyKind::MinorPlanet;
    body.PerihelionDeg = *fields[1].Value;
    body.NodeDeg = *fields[2].Value;
    body.InclinationDeg = *fields[3].Value;
    body.Eccentricity = e;
    body.PerihelionDistance = a * (1.0 - e);
    body.Epoch = *epoch;
    // The perihelion passage before the epoch, from the mean anomaly and the
    // mean motion of the semi-major axis.
    const double motion = std::sqrt(SunMu / (a * a * a)) * DegreesPerRadian;     // degrees per day
    body.PerihelionTime = *epoch - std::remainder(meanAnomaly, 360.0) / motion;  // the nearest passage

    const std::string_view h = TrimBlanks(Columns(line, 8, 5));
    const std::string_view g = TrimBlanks(Columns(line, 14, 5));
    body.Magnitude = h.empty() ? std::nan("") : ParseNumberField(h).value_or(std::nan(""));
    if (!h.empty() && std::isnan(body.Magnitude)) return "absolute magnitude not a number";
    body.Slope = g.empty() ? DefaultSlopeG : ParseNumberField(g).value_or(std::nan(""));
    if (std::isnan(body.Slope)) return "slope parameter not a number";

    std::string readableDesignation, name;
    SplitMinorPlanetName(Columns(line, 166, 28), readableDesignation, name);
    body.Designation = *designation;
    body.Name = name;
    if (const auto problem = ElementsProblem(body)) return std::string(*problem);
    return body;
}

LineResult ReadCometLine(std::string_view line) {
    if (line.size() < CometElementsEnd) return TooShort(line, CometElementsEnd);
    const std::string_view number = TrimBlanks(Columns(line, 0, 4));
    const char type = line[4];
    const std::string_view provisional = TrimBlanks(Columns(line, 5, 7));
    std::string designation;
    if (!number.empty()) {
        if (!IsDigits(number)) return "unknown periodic comet number '" + std::string(number) + "'";
        designation = std::to_string(std::stol(std::string(number))) + type;
        // A fragment of a numbered comet: its letter alone in the provisional columns.
        if (provisional.size() == 1 && provisional[0] >= 'a' && provisional[0] <= 'z')
            designation += std::string("-") + static_cast<char>(provisional[0] - 'a' + 'A');
    } else {
        const auto unpacked = UnpackCometProvisional(provisional);
        if (!unpacked) return "unknown packed designation '" + std::string(provisional) + "'";
        designation = std::string(1, type) + "/" + *unpacked;
    }

    const Field year = Required(line, 14, 4, "perihelion year"),
                month = Required(line, 19, 2, "perihelion month"),
                day = Required(line, 22, 7, "perihelion day");
    const Field fields[] = {Required(line, 30, 9, "perihelion distance"),
                            Required(line, 41, 8, "eccentricity"),
                            Required(line, 51, 8, "argument of perihelion"), Required(line, 61, 8, "node"),
                            Required(line, 71, 8, "inclination")};
    for (const Field* f : {&year, &month, &day})
        if (!f->Value) return f->Problem;
    for (const Field& f : fields)
        if (!f.Value) return f.Problem;
    const auto perihelion =
        JulianDayOfDate(static_cast<int>(*year.Value), static_cast<int>(*month.Value), *day.Value);
    if (!perihelion || *year.Value != std::floor(*year.Value) || *month.Value != std::floor(*month.Value))
        return "perihelion date out of range";

    SmallBody body;
    body.Kind = SmallBodyKind::Comet;
    body.Designation = designation;
    body.PerihelionTime = *perihelion;
    body.PerihelionDistance = *fields[0].Value;
    body.Eccentricity = *fields[1].Value;
    body.PerihelionDeg = *fields[2].Value;
    body.NodeDeg = *fields[3].Value;
    body.InclinationDeg = *fields[4].Value;
    // The epoch of osculation; an unperturbed orbit has none and holds for its perihelion.
    body.Epoch = body.PerihelionTime;
    const std::string_view epoch = TrimBlanks(Columns(line, 81, 8));
    if (!epoch.empty()) {
        const auto y = ParseNumberField(Columns(line, 81, 4)), m = ParseNumberField(Columns(line, 85, 2)),
                   d = ParseNumberField(Columns(line, 87, 2));
        const auto jd = y && m && d ? JulianDayOfDate(static_cast<int>(*y), static_cast<int>(*m), *d)
                                    : std::optional<double>();
        if (!jd) return "epoch '" + std::string(epoch) + "' is not a date";
        body.Epoch = *jd;
    }
    const std::string_view h = TrimBlanks(Columns(line, 91, 4));
    const std::string_view k = TrimBlanks(Columns(line, 96, 4));
    body.Magnitude = h.empty() ? std::nan("") : ParseNumberField(h).value_or(std::nan(""));
    if (!h.empty() && std::isnan(body.Magnitude)) return "absolute magnitude not a number";
    const auto slope = ParseNumberField(k);
    if (!k.empty() && !slope) return "slope parameter not a number";
    body.Slope = slope ? 2.5 * *slope : DefaultCometK1;

    std::string nameDesignation, name;
    SplitCometName(Columns(line, 102, 56), nameDesignation, name);
    if (nameDesignation == designation) body.Name = name;
    if (const auto problem = ElementsProblem(body)) return std::string(*problem);
    return body;
}

}  // namespace kolvar
