#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>

namespace kolvar {

// What an NGC or IC object is, as OpenNGC classifies it.
enum class NgcIcKind : std::uint8_t {
    Galaxy,
    GalaxyCluster,
    OpenCluster,
    GlobularCluster,
    Nebula,  // emission, reflection and dark nebulae, star-forming regions
    PlanetaryNebula,
    SupernovaRemnant,
    Asterism,
    Star,
    MultipleStar,
};
inline constexpr int NgcIcKindCount = 10;

inline constexpr std::int16_t NoNgcIcMagnitude = std::numeric_limits<std::int16_t>::min();

// One object of OpenNGC (NGC, IC and the Messier objects without either).
// Position J2000 in radians; sizes in arc minutes, 0 where unknown (the minor
// axis also when the object is round).
struct NgcIcRecord {
    float RightAscension;
    float Declination;
    float MajorAxis;
    float MinorAxis;
    std::int16_t PositionAngle;  // degrees from north through east, 0..179; -1 unknown
    std::int16_t Magnitude;      // hundredths of a magnitude (V, else B); NoNgcIcMagnitude
    std::uint8_t Kind;           // NgcIcKind
    std::uint8_t Messier;        // Messier number, 0 for none
    char Designation[16];        // "NGC 7000", "IC 434", "IC 80 NED01"; "" for M40 and M45
};

// A common name of an object, English or Hungarian (Windows-1250).
struct NgcIcName {
    std::uint16_t Object;  // index in NgcIcCatalogue()
    std::uint8_t Hungarian;
    const char* Text;
};

// Every object: NGC by number, then IC, then the Messier objects that have
// neither designation.
std::span<const NgcIcRecord> NgcIcCatalogue();

// The common names, object by object.
std::span<const NgcIcName> NgcIcNames();

// The magnitude, or `fallback` where the catalogue gives none.
inline float NgcIcMagnitudeOr(const NgcIcRecord& r, float fallback) {
    return r.Magnitude == NoNgcIcMagnitude ? fallback : static_cast<float>(r.Magnitude) / 100.0f;
}

// "M31" for Messier number 31; empty for 0.
std::string MessierName(int messier);

}  // namespace kolvar
