#include "catalog/cities.h"

#include <cassert>
#include <cmath>

#include "astro/angles.h"
#include "astro/time_scales.h"

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

bool CityIsAt(const CityRecord& city, double latitude, double longitude) {
    const double toArcsec = 1.0 / RadiansPerArcsec;
    const double dLon = std::remainder(longitude * toArcsec - city.LongitudeArcsec, 360.0 * 3600.0);
    return std::fabs(latitude * toArcsec - city.LatitudeArcsec) <= 1.0 && std::fabs(dLon) <= 1.0;
}

namespace {

// The Julian day of 01:00 UT on the last Sunday of a month.
double LastSundayOneAm(int year, int month) {
    int weekday = 0;  // 0 Sunday
    const int lastDay = month == 3 || month == 10 ? 31 : 30;
    const auto jd =
        static_cast<double>(JulianDayFromCalendar(year, month, lastDay, 1, 0, 0.0, false, 0.0, &weekday));
    return jd - weekday;
}

}  // namespace

std::optional<bool> SummerTimeByRule(std::string_view rule, double julianDay) {
    if (rule == "--") return false;
    if (rule != "EU") return std::nullopt;
    const int year = CalendarFromJulianDay(julianDay, 0.0f, false).Year;
    return julianDay >= LastSundayOneAm(year, 3) && julianDay < LastSundayOneAm(year, 10);
}

}  // namespace kolvar
