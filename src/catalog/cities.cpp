#include "catalog/cities.h"

#include <cassert>
#include <cmath>

#include "astro/angles.h"
#include "astro/summer_time.h"

namespace kolvar {
namespace {

constexpr CityRecord CityTable[] = {
#include "catalog/generated/cities.inc"
};
static_assert(std::size(CityTable) == CityCount);

}  // namespace

std::span<const CityRecord> Cities() { return CityTable; }

const CityRecord& CityAt(int index) {
    assert(index >= 0 && index < CityCount);
    return CityTable[index];
}

double CityLatitude(const CityRecord& city) { return city.LatitudeArcsec * RadiansPerArcsecond; }

double CityLongitude(const CityRecord& city) { return city.LongitudeArcsec * RadiansPerArcsecond; }

bool CityIsAt(const CityRecord& city, double latitude, double longitude) {
    const double toArcsec = 1.0 / RadiansPerArcsecond;
    const double dLon = std::remainder(longitude * toArcsec - city.LongitudeArcsec, 360.0 * 3600.0);
    return std::fabs(latitude * toArcsec - city.LatitudeArcsec) <= 1.0 && std::fabs(dLon) <= 1.0;
}

std::optional<bool> SummerTimeByRule(std::string_view rule, double julianDay) {
    if (rule == "--") return false;
    if (rule != "EU") return std::nullopt;
    return SummerTimeAt(SummerTimeRule::Europe, julianDay, 0.0);
}

std::optional<SummerTimeRule> KnownSummerTimeRule(std::string_view rule) {
    if (rule == "--") return SummerTimeRule::None;
    if (rule == "EU") return SummerTimeRule::Europe;
    if (rule == "US") return SummerTimeRule::UnitedStates;
    return std::nullopt;
}

}  // namespace kolvar
