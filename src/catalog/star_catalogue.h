#pragma once

#include <array>
#include <cstdint>

#include "astro/apparent_place.h"
#include "astro/spherical_position.h"

namespace kolvar {

inline constexpr int StarCount = 3275;

// One catalogue star. Coordinates are radians, equinox 2000, converted at
// compile time from the atlas-unit source values.
struct StarRecord {
    std::uint16_t Constellation;  // 1..88, IAU abbreviations in case-blind alphabetical order
    std::uint16_t HrNumber;       // Bright Star Catalogue number, key of every name look-up
    float RightAscension;
    float Declination;
    float ProperMotionRa;        // arcsec per year, great-circle rate
    float ProperMotionDec;       // arcsec per year
    std::int8_t MagnitudeClass;  // visual magnitude truncated toward zero
    char SpectralClass;          // first character of the spectral type
};

// The star table, constant from compile time.
extern const std::array<StarRecord, StarCount> StarCatalogue;

// Star position moved by its proper motion from the catalogue epoch to the
// given Julian day; distance InfinitelyFar.
SphericalPosition ApplyProperMotion(const StarRecord& star, double julianDay);

// The star's J2000 place and proper motion as ERFA takes them (the rate of
// the right ascension itself, not the table's great-circle rate).
CataloguePlace StarCataloguePlace(const StarRecord& star);

}  // namespace kolvar
