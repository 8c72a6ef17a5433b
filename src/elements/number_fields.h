#pragma once

// Numbers in fixed columns and JSON values, read strictly: blanks around the
// number are allowed, anything else beside it is not.

#include <optional>
#include <string_view>

namespace kolvar {

std::string_view TrimBlanks(std::string_view text);

// A decimal number (an optional sign, digits, a point, an exponent); nothing
// for an empty field, a non-number, or a value that is not finite.
std::optional<double> ParseNumberField(std::string_view text);

// Columns [first, first + count) of `line` (0-based), cut at the line's end.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t count);

}  // namespace kolvar
