#include "texts/runic_transliteration.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kolvar {

namespace {

constexpr char32_t kInvalid = 0xFFFD;
constexpr char kMark = '`';

// Windows-1250 bytes 0x80..0xFF as Unicode code points (0xFFFD: unassigned).
constexpr std::array<std::uint16_t, 128> kWindows1250High = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

std::vector<char32_t> DecodeWindows1250(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        out.push_back(b < 0x80 ? char32_t{b} : char32_t{kWindows1250High[b - 0x80u]});
    }
    return out;
}

// Strict UTF-8: a malformed, truncated or overlong sequence yields kInvalid
// for its first byte and decoding resumes at the next byte.
std::vector<char32_t> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1, cp = b & 0x1Fu, min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, cp = b & 0x0Fu, min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, cp = b & 0x07u, min = 0x10000;
        } else {
            out.push_back(kInvalid);
            ++i;
            continue;
        }
        bool ok = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; ok && k <= extra; ++k) {
            auto c = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) {
                ok = false;
            } else {
                cp = (cp << 6) | (c & 0x3Fu);
            }
        }
        if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(kInvalid);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// Lower case for the letters Hungarian uses; other characters are dropped
// later anyway, so a full case table is not needed.
char32_t ToLower(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x150 || c == 0x170) return c + 1;  // Ő, Ű
    return c;
}

struct Rune {
    char Byte;
    bool Marked;  // followed by the mark 0x60
};

struct Digraph {
    std::u32string_view Spelling;
    char First;
    char Second;  // 0 for one rune
    bool Marked;
};

// Longest spellings first, so "ssz" is a doubled sz rather than s + sz.
constexpr std::array<Digraph, 15> kDigraphs = {{
    {U"dzs", 'd', '\xE6', false},
    {U"ccs", '\xE7', 0, true},
    {U"ggy", '\xF0', 0, true},
    {U"lly", '\xF8', 0, true},
    {U"nny", '\xF1', 0, true},
    {U"ssz", '\xDF', 0, true},
    {U"tty", '\xFE', 0, true},
    {U"zzs", '\xE6', 0, true},
    {U"cs", '\xE7', 0, false},
    {U"gy", '\xF0', 0, false},
    {U"ly", '\xF8', 0, false},
    {U"ny", '\xF1', 0, false},
    {U"sz", '\xDF', 0, false},
    {U"ty", '\xFE', 0, false},
    {U"zs", '\xE6', 0, false},
}};

constexpr std::u32string_view kKeptLatin = U" 0123456789.,;:-()=?!'\"/+*%&#<>[]_{}|~$@^\\";

bool IsVowelRune(char b) {
    switch (b) {
        case 'a':
        case 'e':
        case 'i':
        case 'o':
        case 'u':
        case 'y':
        case '\xE9':
        case '\xF6':
        case '\xFC':
            return true;
        default:
            return false;
    }
}

bool IsLetterRune(char b) {
    auto u = static_cast<unsigned char>(b);
    return (u >= 'a' && u <= 'z') || u >= 0x80;
}

std::vector<Rune> SplitIntoRunes(const std::u32string& text) {
    std::vector<Rune> runes;
    std::u32string_view rest = text;
    while (!rest.empty()) {
        bool matched = false;
        for (const Digraph& d : kDigraphs) {
            if (rest.starts_with(d.Spelling)) {
                runes.push_back({d.First, d.Marked});
                if (d.Second != 0) runes.push_back({d.Second, false});
                rest.remove_prefix(d.Spelling.size());
                matched = true;
                break;
            }
        }
        if (matched) continue;
        char32_t c = rest.front();
        rest.remove_prefix(1);
        if (c >= U'a' && c <= U'z') {
            runes.push_back({static_cast<char>(c), false});
        } else if (c == U'é' || c == U'ö' || c == U'ü') {
            runes.push_back({static_cast<char>(static_cast<unsigned char>(c)), false});
        } else if (c == U'á') {
            runes.push_back({'a', true});
        } else if (c == U'í') {
            runes.push_back({'i', true});
        } else if (c == U'ó') {
            runes.push_back({'o', true});
        } else if (c == U'ú') {
            runes.push_back({'u', true});
        } else if (c == U'ő') {
            runes.push_back({'\xF6', true});
        } else if (c == U'ű') {
            runes.push_back({'\xFC', true});
        } else if (kKeptLatin.find(c) != std::u32string_view::npos) {
            runes.push_back({static_cast<char>(c), false});
        }
        // Everything else has no glyph in the font and is dropped.
    }
    return runes;
}

}  // namespace

std::string TransliterateToRunes(std::string_view text, HungarianEncoding encoding) {
    std::vector<char32_t> decoded =
        encoding == HungarianEncoding::Utf8 ? DecodeUtf8(text) : DecodeWindows1250(text);
    std::u32string lower;
    lower.reserve(decoded.size());
    for (char32_t c : decoded) lower.push_back(ToLower(c));

    std::string out;
    bool previousWasPlain = false;  // the previous rune is a consonant without mark
    char previous = 0;
    for (const Rune& r : SplitIntoRunes(lower)) {
        bool consonant = IsLetterRune(r.Byte) && !IsVowelRune(r.Byte);
        if (consonant && !r.Marked && previousWasPlain && r.Byte == previous) {
            out.push_back(kMark);  // the second of a doubled consonant
            previousWasPlain = false;
            continue;
        }
        out.push_back(r.Byte);
        if (r.Marked) out.push_back(kMark);
        previousWasPlain = consonant && !r.Marked;
        previous = r.Byte;
    }
    return out;
}

std::string ReverseRunicText(std::string_view runic) { return std::string(runic.rbegin(), runic.rend()); }

}  // namespace kolvar
