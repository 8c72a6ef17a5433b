#include "catalog/milky_way.h"

#include "astro/angles.h"

namespace kolvar {
namespace {

// A point as the atlas writes it: right ascension h m s.s, declination as a
// separate sign with d m s.s. Code is the shape or lane letter (0 for seeds).
struct OutlineSourceRow {
    char Code;
    int RaHours;
    int RaMinutes;
    float RaSeconds;
    char DecSign;
    int DecDegrees;
    int DecMinutes;
    float DecSeconds;
};

struct SeedSourceRow {
    int RaHours;
    int RaMinutes;
    float RaSeconds;
    char DecSign;
    int DecDegrees;
    int DecMinutes;
    float DecSeconds;
};

constexpr OutlineSourceRow OutlineSource[] = {
#include "catalog/generated/milky_way_outline.inc"
};
constexpr SeedSourceRow SeedSource[] = {
#include "catalog/generated/milky_way_seeds.inc"
};
constexpr OutlineSourceRow LaneSource[] = {
#include "catalog/generated/milky_way_lanes.inc"
};
static_assert(std::size(OutlineSource) == MilkyWayOutlineCount);
static_assert(std::size(SeedSource) == MilkyWaySeedCount);
static_assert(std::size(LaneSource) == MilkyWayLaneCount);

template <typename Row>
constexpr float RightAscensionOf(const Row& row) {
    return static_cast<float>(HmsToRadians(row.RaHours, row.RaMinutes, row.RaSeconds));
}

template <typename Row>
constexpr float DeclinationOf(const Row& row) {
    return static_cast<float>(DmsToRadians(row.DecSign, row.DecDegrees, row.DecMinutes, row.DecSeconds));
}

constexpr std::array<MilkyWayPoint, MilkyWayOutlineCount> BuildOutline() {
    std::array<MilkyWayPoint, MilkyWayOutlineCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].Shape = OutlineSource[i].Code;
        table[i].RightAscension = RightAscensionOf(OutlineSource[i]);
        table[i].Declination = DeclinationOf(OutlineSource[i]);
    }
    return table;
}

constexpr std::array<MilkyWaySeed, MilkyWaySeedCount> BuildSeeds() {
    std::array<MilkyWaySeed, MilkyWaySeedCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].RightAscension = RightAscensionOf(SeedSource[i]);
        table[i].Declination = DeclinationOf(SeedSource[i]);
    }
    return table;
}

constexpr std::array<MilkyWayLanePoint, MilkyWayLaneCount> BuildLanes() {
    std::array<MilkyWayLanePoint, MilkyWayLaneCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].Lane = LaneSource[i].Code;
        table[i].RightAscension = RightAscensionOf(LaneSource[i]);
        table[i].Declination = DeclinationOf(LaneSource[i]);
    }
    return table;
}

}  // namespace

constexpr std::array<MilkyWayPoint, MilkyWayOutlineCount> MilkyWayOutline = BuildOutline();
constexpr std::array<MilkyWaySeed, MilkyWaySeedCount> MilkyWayFillSeeds = BuildSeeds();
constexpr std::array<MilkyWayLanePoint, MilkyWayLaneCount> MilkyWayLanes = BuildLanes();

}  // namespace kolvar
