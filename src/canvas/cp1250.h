#pragma once

#include <string>
#include <string_view>

namespace kolvar {

// Unicode code point of one Windows-1250 byte. The five bytes the code page
// leaves undefined map to the C1 control with the same number, as Windows does.
char32_t Cp1250ToUnicode(unsigned char byte);

// A Windows-1250 text as UTF-8 (for boundaries that need Unicode text).
std::string Cp1250ToUtf8(std::string_view bytes);

// A UTF-8 text (a user's, from the command line) as Windows-1250: a character
// the code page lacks, or a malformed sequence, becomes '?'.
std::string Utf8ToCp1250(std::string_view utf8);

}  // namespace kolvar
