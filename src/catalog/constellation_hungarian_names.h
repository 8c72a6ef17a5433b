#pragma once

#include <string_view>

namespace kolvar {

// Hungarian name of catalogue constellation 1..88 as Windows-1250 bytes
// ("Nagy Medve" for 83, UMa): the name its runic name was written from where
// the runic tables have one, else the Stellarium sky cultures' Hungarian name.
// Empty for any other number.
std::string_view HungarianNameOfConstellation(int constellation);

// The first runic name the runic tables give constellation 1..88 (Runex23x
// codes in reading order; reverse before drawing). Empty when they have none
// or for any other number. Builds the runic tables on first use.
std::string_view RunicNameOfConstellation(int constellation);

}  // namespace kolvar
