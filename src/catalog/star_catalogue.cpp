#include "catalog/star_catalogue.h"

#include <cmath>

#include "astro/angles.h"

namespace kolvar {
namespace {

// One star as the atlas writes it: right ascension h m s.s, declination as a
// separate sign with d m s, proper motions in arcsec per year.
struct StarSourceRow {
    std::uint16_t Constellation;
    std::uint16_t HrNumber;
    int RaHours;
    int RaMinutes;
    float RaSeconds;
    char DecSign;
    int DecDegrees;
    int DecMinutes;
    float DecSeconds;
    float ProperMotionRa;
    float ProperMotionDec;
    std::int8_t MagnitudeClass;
    char SpectralClass;
};

constexpr StarSourceRow StarSource[] = {
#include "catalog/generated/star_catalogue.inc"
};
static_assert(std::size(StarSource) == StarCount, "the star table holds exactly 3275 rows");

// The table in radians, converted by the compiler.
constexpr std::array<StarRecord, StarCount> BuildStarTable() {
    std::array<StarRecord, StarCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const StarSourceRow& row = StarSource[i];
        table[i] = StarRecord{
            row.Constellation,
            row.HrNumber,
            static_cast<float>(HmsToRadians(row.RaHours, row.RaMinutes, row.RaSeconds)),
            static_cast<float>(DmsToRadians(row.DecSign, row.DecDegrees, row.DecMinutes, row.DecSeconds)),
            row.ProperMotionRa,
            row.ProperMotionDec,
            row.MagnitudeClass,
            row.SpectralClass};
    }
    return table;
}

// Catalogue epoch of the positions and proper motions (3 October 1999, 0 h).
constexpr double ProperMotionEpoch = 2451454.5;
// Arcseconds per Julian year to radians per day.
constexpr double ArcsecPerYearToRadPerDay = RadiansPerArcsecond / 365.25;

}  // namespace

constexpr std::array<StarRecord, StarCount> StarCatalogue = BuildStarTable();

SphericalPosition ApplyProperMotion(const StarRecord& star, double julianDay) {
    const double k = (julianDay - ProperMotionEpoch) * ArcsecPerYearToRadPerDay;
    // Both rates are great-circle rates, so the point moves along the unit
    // vectors towards east and north; this keeps the east-west motion true at
    // every declination and needs no division by cos(dec) near the poles.
    const double east = k * static_cast<double>(star.ProperMotionRa);
    const double north = k * static_cast<double>(star.ProperMotionDec);
    const double a = static_cast<double>(star.RightAscension);
    const double d = static_cast<double>(star.Declination);
    const double ca = std::cos(a), sa = std::sin(a), cd = std::cos(d), sd = std::sin(d);

    const double x = ca * cd - east * sa - north * ca * sd;
    const double y = sa * cd + east * ca - north * sa * sd;
    const double z = sd + north * cd;
    return SphericalPosition{std::atan2(y, x), std::atan2(z, std::sqrt(x * x + y * y)), InfinitelyFar};
}

CataloguePlace StarCataloguePlace(const StarRecord& star) {
    CataloguePlace p;
    p.RightAscension = static_cast<double>(star.RightAscension);
    p.Declination = static_cast<double>(star.Declination);
    const double cd = std::cos(p.Declination);
    if (cd > 1e-9) p.ProperMotionRa = static_cast<double>(star.ProperMotionRa) * RadiansPerArcsecond / cd;
    p.ProperMotionDec = static_cast<double>(star.ProperMotionDec) * RadiansPerArcsecond;
    return p;
}

}  // namespace kolvar
