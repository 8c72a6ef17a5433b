#include "identify/search_key.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>

#include "canvas/cp1250.h"
#include "catalog/greek_letters.h"

namespace kolvar {

namespace {

// Base letters of U+00C0 .. U+017F; '*' marks a letter written with two
// (below), '-' a sign that is no letter (multiplication and division).
constexpr std::string_view LatinBase =
    "aaaaaa*ceeeeiiii"
    "dnooooo-ouuuuy**"
    "aaaaaa*ceeeeiiii"
    "dnooooo-ouuuuy*y"
    "aaaaaaccccccccdd"
    "ddeeeeeeeeeegggg"
    "gggghhhhiiiiiiii"
    "ii**jjkkklllllll"
    "lllnnnnnnnnnoooo"
    "oo**rrrrrrssssss"
    "ssttttttuuuuuuuu"
    "uuuuwwyyyzzzzzzs";

std::string_view TwoLetterBase(char32_t c) {
    switch (c) {
        case 0xC6:
        case 0xE6:
            return "ae";
        case 0xDE:
        case 0xFE:
            return "th";
        case 0xDF:
            return "ss";
        case 0x132:
        case 0x133:
            return "ij";
        case 0x152:
        case 0x153:
            return "oe";
        default:
            return {};
    }
}

std::string_view GreekName(char32_t c) {
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) c += 0x20;  // capitals
    if (c == 0x3C2) return "sigma";                         // the final sigma
    for (const GreekLetter& letter : GreekLetters)
        if (letter.Small == c) return letter.Name;
    switch (c) {  // the symbol variants of a few letters
        case 0x3D0:
            return "beta";
        case 0x3D1:
            return "theta";
        case 0x3D5:
            return "phi";
        case 0x3D6:
            return "pi";
        case 0x3F5:
            return "epsilon";
        default:
            return {};
    }
}

std::optional<char> SuperscriptDigit(char32_t c) {
    if (c == 0xB9) return '1';
    if (c == 0xB2 || c == 0xB3) return static_cast<char>('0' + (c - 0xB0));
    if (c == 0x2070) return '0';
    if (c >= 0x2074 && c <= 0x2079) return static_cast<char>('0' + (c - 0x2070));
    return std::nullopt;
}

// What a code point stands for under compatibility decomposition, accents
// taken off (UTF-8), where the key does not read it by itself: "Ｖ" is "V",
// "①" "1", "ﬁ" "fi", "ế" "e", "ά" "α". Sorted by code point.
struct Folding {
    char32_t CodePoint;
    const char* Folded;
};
constexpr Folding Foldings[] = {
#include "identify/generated/search_folding.inc"
};

const char* FoldingOf(char32_t c) {
    const auto* end = std::end(Foldings);
    const auto* at = std::lower_bound(std::begin(Foldings), end, c,
                                      [](const Folding& f, char32_t code) { return f.CodePoint < code; });
    return at != end && at->CodePoint == c ? at->Folded : nullptr;
}

std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at);

void AppendKey(char32_t c, std::string& key) {
    if (c < 0x80) {
        const char a = static_cast<char>(c);
        if (a >= 'a' && a <= 'z') key += a;
        if (a >= 'A' && a <= 'Z') key += static_cast<char>(a - 'A' + 'a');
        if (a >= '0' && a <= '9') key += a;
    } else if (c >= 0xC0 && c <= 0x17F) {
        const char base = LatinBase[c - 0xC0];
        if (base == '*') {
            key += TwoLetterBase(c);
        } else if (base != '-') {
            key += base;
        }
    } else if (const std::string_view greek = GreekName(c); !greek.empty()) {
        key += greek;
    } else if (const std::optional<char> digit = SuperscriptDigit(c)) {
        key += *digit;
    } else if (const char* folded = FoldingOf(c)) {
        // The folded letters are all of the kinds above: one level deep.
        const std::string_view text(folded);
        for (std::size_t at = 0; at < text.size();)
            if (const std::optional<char32_t> part = NextCodePoint(text, at)) AppendKey(*part, key);
    }
}

// The next code point of well-formed UTF-8 at `at`, which it advances; an
// ill-formed byte gives nothing and advances by one.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    }
    if (length == 0 || at + length > text.size()) {
        ++at;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return std::nullopt;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return std::nullopt;
    }
    at += length;
    return c;
}

// The key of every Windows-1250 byte, from its Unicode letter: at most two
// letters (the code page has no Greek), kept inline for speed.
struct ByteKey {
    char Letters[2] = {};
    std::uint8_t Length = 0;
};

const std::array<ByteKey, 256>& Cp1250Keys() {
    static const std::array<ByteKey, 256> keys = [] {
        std::array<ByteKey, 256> k;
        for (std::size_t b = 0; b < k.size(); ++b) {
            std::string key;
            AppendKey(Cp1250ToUnicode(static_cast<unsigned char>(b)), key);
            k[b].Length = static_cast<std::uint8_t>(key.copy(k[b].Letters, sizeof k[b].Letters));
        }
        return k;
    }();
    return keys;
}

}  // namespace

std::string SearchKeyOfUtf8(std::string_view utf8) {
    std::string key;
    key.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        if (const std::optional<char32_t> c = NextCodePoint(utf8, at)) AppendKey(*c, key);
    }
    return key;
}

std::string SearchKeyOfCp1250(std::string_view bytes) {
    const std::array<ByteKey, 256>& keys = Cp1250Keys();
    std::string key;
    key.reserve(bytes.size() + 2);
    for (const char b : bytes) {
        const ByteKey& k = keys[static_cast<unsigned char>(b)];
        key.append(k.Letters, k.Length);
    }
    return key;
}

bool IsWellFormedUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        if (!NextCodePoint(text, at)) return false;
    }
    return true;
}

}  // namespace kolvar
