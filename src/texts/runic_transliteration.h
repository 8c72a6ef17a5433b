#pragma once

#include <string>
#include <string_view>

namespace kolvar {

enum class HungarianEncoding { Utf8, Windows1250 };

// Writes Hungarian text in the runic font's 8-bit mapping, in reading order:
// digraphs (cs, gy, ly, ny, sz, ty, zs; dzs as d + zs) become single runes,
// doubled consonants and long vowels take the mark 0x60 after their rune,
// é, ö and ü have runes of their own, and characters without a glyph are
// dropped. Malformed UTF-8 is dropped too. The same rules are implemented in
// tools/runic/transliterate.py for the table generators.
std::string TransliterateToRunes(std::string_view text, HungarianEncoding encoding);

// Runic script runs right to left: a caption drawn as stored is stored
// reversed, and a name kept in reading order is reversed just before drawing.
std::string ReverseRunicText(std::string_view runic);

}  // namespace kolvar
