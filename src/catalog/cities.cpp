#include "catalog/cities.h"

#include <cassert>

#include "astro/angles.h"

namespace kolvar {
namespace {

constexpr CityRecord CityTable[] = {
#include "catalog/generated/cities.inc"
};
static_assert(std::size(CityTable) == CityCount);

constexpr double RadiansPerArcsec = Pi / (180.0 * 3600.0);

}  // namespace

std::span<const CityRecord> Cities() { return CityTable; }

const CityRecord& CityAt(int index) {
    assert(index >= 0 && index < CityCount);
    return CityTable[index];
}

double CityLatitude(const CityRecord& city) { return city.LatitudeArcsec * RadiansPerArcsec; }

double CityLongitude(const CityRecord& city) { return city.LongitudeArcsec * RadiansPerArcsec; }

}  // namespace kolvar
