#include "texts/small_body_texts.h"

#include <cmath>
#include <cstdio>

#include "canvas/cp1250.h"

namespace kolvar {

namespace {

// A number with a decimal comma, as Hungarian writes it.
std::string Decimal(double value, int digits) {
    char number[48];
    std::snprintf(number, sizeof number, "%.*f", digits, value);
    std::string text;
    for (const char* c = number; *c != '\0'; ++c) text += *c == '.' ? ',' : *c;
    return text;
}

}  // namespace

std::string EpochAgeNote(double epochAgeDays) {
    if (!StaleElements(epochAgeDays) || !std::isfinite(epochAgeDays)) return {};
    const double years = std::abs(epochAgeDays) / 365.25;
    std::string note(" (elemek ");
    note += Decimal(years, 1);
    note += epochAgeDays > 0 ? " \xE9ve)" : " \xE9v m\xFAlva)";
    return note;
}

std::string SmallBodyLabel(const SmallBody& body, double epochAgeDays) {
    std::string label = Utf8ToCp1250(DisplayName(body));
    label += EpochAgeNote(epochAgeDays);
    return label;
}

std::string_view SmallBodyKindWord(SmallBodyKind kind) {
    return kind == SmallBodyKind::Comet ? "\xFCst\xF6k\xF6s" : "kisbolyg\xF3";
}

std::array<std::string, 5> SmallBodyFacts(const SmallBody& body, double magnitude, double sunDistance,
                                          double earthDistance, double epochAgeDays) {
    std::array<std::string, 5> facts;
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // a literal prepended to a temporary string.
    const auto line = [](std::string_view lead, const std::string& number, std::string_view unit) {
        std::string text(lead);
        text += number;
        text += unit;
        return text;
    };
    facts[0] = Utf8ToCp1250(DisplayName(body));
    facts[1] = SmallBodyKindWord(body.Kind);
    facts[1] += EpochAgeNote(epochAgeDays);
    facts[2] = std::isnan(magnitude) ? std::string("f\xE9nyess\xE9ge ismeretlen")
                                     : line("f\xE9nyess\xE9g ", Decimal(magnitude, 1), " magn.");
    facts[3] = line("Napt\xF3l ", Decimal(sunDistance, 3), " CSE");
    facts[4] = line("F\xF6ldt\xF5l ", Decimal(earthDistance, 3), " CSE");
    return facts;
}

const SmallBodyTexts& SmallBodyCaptions() {
    static const SmallBodyTexts texts = [] {
        const auto caption = [](std::string_view hungarian) {
            return ViewCaption{RunicMenuCaption(hungarian), hungarian};
        };
        return SmallBodyTexts{
            .Show = caption("\xDCst\xF6k\xF6s\xF6k \xE9s kisbolyg\xF3k"),
            .Magnitude = caption("Kisbolyg\xF3k f\xE9nyess\xE9ghat\xE1ra"),
            .Import = caption("P\xE1lyaelemek beolvas\xE1sa"),
            .Importing = caption("P\xE1lyaelemek olvas\xE1sa"),
            .Path = caption("\xC9gitest p\xE1ly\xE1ja"),
            .ImportDone = "%1 \xE9gitest beolvasva",
            .ImportProblems = "%1 sor nem olvashat\xF3",
            .ImportFailed = "A f\xE1jl nem olvashat\xF3 vagy nem menthet\xF5",
        };
    }();
    return texts;
}

}  // namespace kolvar
