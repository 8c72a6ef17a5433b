#include "catalog/constellation_hungarian_names.h"

#include <array>

#include "catalog/constellation_names.h"
#include "catalog/runic_names.h"

namespace kolvar {
namespace {

struct HungarianNameRow {
    int Constellation;
    const char* Name;
};

constexpr HungarianNameRow HungarianNames[] = {
#include "catalog/generated/constellation_hungarian_names.inc"
};
static_assert(std::size(HungarianNames) == ConstellationNameCount - 1);

// Rows are in constellation order, row i holding constellation i + 1.
constexpr bool InNumberOrder() {
    for (std::size_t i = 0; i < std::size(HungarianNames); ++i) {
        if (HungarianNames[i].Constellation != static_cast<int>(i) + 1) return false;
    }
    return true;
}
static_assert(InNumberOrder());

bool IsConstellation(int constellation) {
    return constellation >= 1 && constellation < ConstellationNameCount;
}

}  // namespace

std::string_view HungarianNameOfConstellation(int constellation) {
    if (!IsConstellation(constellation)) return {};
    return HungarianNames[constellation - 1].Name;
}

std::string_view RunicNameOfConstellation(int constellation) {
    if (!IsConstellation(constellation)) return {};
    const std::string_view abbreviation = ConstellationAbbreviations[static_cast<std::size_t>(constellation)];
    for (const RunicConstellationName& name : RunicNames().RunicConstellationNames) {
        if (name.ConstellationAbbr == abbreviation) return name.RunicName;
    }
    return {};
}

}  // namespace kolvar
