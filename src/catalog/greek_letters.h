#pragma once

// The 24 Greek letters of the Bayer designations, alpha .. omega, in one
// table: the name as the catalogue spells it, its Hungarian spelling
// (Windows-1250) and three-letter abbreviation (both for find), the small
// letter's code point, and the Latin key that shows the letter in the Symbol
// face.

#include <array>
#include <string_view>

namespace kolvar {

struct GreekLetter {
    std::string_view Name;  // "alpha"
    std::string_view Hungarian;
    std::string_view Abbreviation;
    char32_t Small;  // U+03B1 .. U+03C9
    char SymbolKey;  // 'a'
};

inline constexpr std::array<GreekLetter, 24> GreekLetters{{
    {"alpha", "alfa", "Alp", U'\u03B1', 'a'},
    {"beta", "b\xE9ta", "Bet", U'\u03B2', 'b'},
    {"gamma", "gamma", "Gam", U'\u03B3', 'g'},
    {"delta", "delta", "Del", U'\u03B4', 'd'},
    {"epsilon", "epszilon", "Eps", U'\u03B5', 'e'},
    {"zeta", "z\xE9ta", "Zet", U'\u03B6', 'z'},
    {"eta", "\xE9ta", "Eta", U'\u03B7', 'h'},
    {"theta", "th\xE9ta", "The", U'\u03B8', 'q'},
    {"iota", "i\xF3ta", "Iot", U'\u03B9', 'i'},
    {"kappa", "kappa", "Kap", U'\u03BA', 'k'},
    {"lambda", "lambda", "Lam", U'\u03BB', 'l'},
    {"mu", "m\xFB", "Mu", U'\u03BC', 'm'},
    {"nu", "n\xFB", "Nu", U'\u03BD', 'n'},
    {"xi", "kszi", "Xi", U'\u03BE', 'x'},
    {"omicron", "omikron", "Omi", U'\u03BF', 'o'},
    {"pi", "p\xED", "Pi", U'\u03C0', 'p'},
    {"rho", "r\xF3", "Rho", U'\u03C1', 'r'},
    {"sigma", "szigma", "Sig", U'\u03C3', 's'},  // final sigma U+03C2 is a sigma too
    {"tau", "tau", "Tau", U'\u03C4', 't'},
    {"upsilon", "\xFCpszilon", "Ups", U'\u03C5', 'u'},
    {"phi", "f\xED", "Phi", U'\u03C6', 'f'},
    {"chi", "kh\xED", "Chi", U'\u03C7', 'c'},
    {"psi", "psz\xED", "Psi", U'\u03C8', 'y'},
    {"omega", "\xF3mega", "Ome", U'\u03C9', 'w'},
}};

// The letter the catalogue's number names (1 alpha .. 24 omega); nullptr for
// 0 (a Latin-letter designation) and anything else.
constexpr const GreekLetter* GreekLetterNumbered(int number) {
    return number >= 1 && number <= static_cast<int>(GreekLetters.size())
               ? &GreekLetters[static_cast<std::size_t>(number - 1)]
               : nullptr;
}

// The letter called `name` ("gamma"); nullptr for none.
constexpr const GreekLetter* GreekLetterNamed(std::string_view name) {
    for (const GreekLetter& letter : GreekLetters)
        if (letter.Name == name) return &letter;
    return nullptr;
}

}  // namespace kolvar
