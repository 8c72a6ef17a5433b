#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace kolvar {

// The towns of the city table whose names match what the user typed (UTF-8),
// case, accents, spaces and punctuation not counting (search_key.h): names
// that begin with it first, then names that hold it elsewhere; within each,
// Hungarian towns first, then in the table's order (by name). Indices into
// Cities(), at most `limit` of them. An empty text matches every town.
std::vector<int> FindCities(std::string_view typedUtf8, std::size_t limit);

}  // namespace kolvar
