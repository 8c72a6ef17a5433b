#pragma once

#include <array>
#include <cstdint>

#include "sky/observer_frame.h"

namespace kolvar {

// Kinds of drawn objects. The table's slots hold the first five; the others
// are what the deep catalogues and find report beside the table: an NGC/IC
// object the table lacks, a star of the deep star file, a constellation.
enum : std::uint8_t {
    KindSun = 0,
    KindMoon = 1,
    KindPlanet = 2,
    KindStar = 3,
    KindDeepSky = 4,
    KindNgcIc = 5,
    KindDeepStar = 6,
    KindConstellation = 7
};

// One object as the scene placed it (32 bytes, the stored layout).
struct SkyObjectEntry {
    std::uint8_t Visible = 0;  // 1 when Altitude >= 0
    std::uint8_t Kind = 0;
    std::int16_t Index = 0;       // planet 0..6, star 0..3274, deep-sky 0..111; 0 for Sun and Moon
    std::int16_t SignIndex = -1;  // 30-degree right-ascension sector for Sun, Moon, planets; -1 otherwise
    double Azimuth = 0.0;
    double Altitude = 0.0;
    double Distance = 0.0;
};
static_assert(sizeof(SkyObjectEntry) == 32);

// Fixed slots: 0 Sun, 1 Moon, 2..8 planets, 9..3283 stars, 3284..3395 deep-sky.
inline constexpr int SunSlot = 0;
inline constexpr int MoonSlot = 1;
inline constexpr int FirstPlanetSlot = 2;
inline constexpr int FirstStarSlot = 9;
inline constexpr int FirstDeepSkySlot = 3284;
inline constexpr int SkyObjectCount = 3396;

using SkyObjectTable = std::array<SkyObjectEntry, SkyObjectCount>;

SkyObjectEntry PlaceObject(std::uint8_t kind, int index, int signIndex, const HorizontalPosition& position);

// The 30-degree right-ascension sector 0..11 (0 is 0 h to 2 h); valid for
// right ascensions from -pi up to 2*pi.
int SignIndexOf(double rightAscension);

}  // namespace kolvar
