#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kolvar {

// Popular name of a deep-sky object, keyed by its Messier or NGC designation.
// Fields are blank-padded Windows-1250 bytes.
struct DeepSkyNameRecord {
    char PopularName[24];  // 23 characters padded
    char MessierName[5];   // 4 characters padded
    char NgcName[9];       // 8 characters padded
};

extern const std::array<DeepSkyNameRecord, 9> DeepSkyNameTable;

// Both keys are trimmed; a non-empty Messier name is looked up first, then a
// non-empty NGC name. Result: the trimmed popular name, or empty.
std::string DeepSkyPopularName(std::string_view messierName, std::string_view ngcName);

}  // namespace kolvar
