#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kolvar {

// Tables that CatalogueTsv can print.
inline constexpr std::array<std::string_view, 6> CatalogueTsvTables{
    "stars", "deepsky", "constellations", "outline", "seeds", "lanes"};

// One catalogue table as tab-separated text with a header line, coordinates in
// radians as stored; name texts stay Windows-1250 bytes. Empty for an unknown
// table name. The coordinate tables must have been initialised.
std::optional<std::string> CatalogueTsv(std::string_view table);

}  // namespace kolvar
