#pragma once

#include <array>
#include <cstdint>

namespace kolvar {

inline constexpr int MilkyWayOutlineCount = 4591;
inline constexpr int MilkyWaySeedCount = 80;
inline constexpr int MilkyWayLaneCount = 93;

// Outline point: Shape is the letter 'A'..'E' of the closed polygon it belongs to.
struct MilkyWayPoint {
    std::int32_t Shape;
    float RightAscension;
    float Declination;
};

struct MilkyWaySeed {
    float RightAscension;
    float Declination;
};

// Lane point: Lane is the letter of the open polyline it belongs to.
struct MilkyWayLanePoint {
    std::int32_t Lane;
    float RightAscension;
    float Declination;
};

// The Milky Way lists in radians, converted at compile time.
extern const std::array<MilkyWayPoint, MilkyWayOutlineCount> MilkyWayOutline;
extern const std::array<MilkyWaySeed, MilkyWaySeedCount> MilkyWayFillSeeds;
extern const std::array<MilkyWayLanePoint, MilkyWayLaneCount> MilkyWayLanes;

}  // namespace kolvar
