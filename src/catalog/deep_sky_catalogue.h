#pragma once

#include <array>
#include <cstdint>

namespace kolvar {

inline constexpr int DeepSkyCount = 112;

// One deep-sky object (cluster, nebula, galaxy). Coordinates are radians,
// equinox 2000, converted at compile time from the atlas units.
struct DeepSkyRecord {
    std::uint8_t Constellation;  // 1..88, same numbering as the stars
    char MessierName[6];         // "M31 " padded with blanks, or blanks
    char NgcName[11];            // "NGC224", "IC1805", zero-terminated
    float RightAscension;
    float Declination;
    std::int8_t MagnitudeClass;  // 1..6
};

extern const std::array<DeepSkyRecord, DeepSkyCount> DeepSkyCatalogue;

}  // namespace kolvar
