#pragma once

#include <string>
#include <string_view>

namespace kolvar {

// The form in which find compares names: lower-case ASCII letters and digits
// only. Accents are taken off (á a, ö ő o, ü ű u, ß ss), spaces and
// punctuation are dropped, a Greek letter becomes its name ("α" alpha,
// "ς" sigma) and a superscript digit the digit. "α¹ Lyr." and "Alpha1lyr"
// have the same key. Other letters and digits count as what they stand for
// under Unicode compatibility folding: fullwidth "ＶＥＧＡ" is "vega", "①"
// is "1", "ﬁ" is "fi"; letters that fold to none of these are dropped.

// From UTF-8 text, as typed at a terminal or in a window; bytes that are not
// well-formed UTF-8 are skipped.
std::string SearchKeyOfUtf8(std::string_view utf8);

// From the program's own Windows-1250 text.
std::string SearchKeyOfCp1250(std::string_view bytes);

// Whether the text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsWellFormedUtf8(std::string_view text);

}  // namespace kolvar
