#pragma once

#include <cstdint>
#include <span>

namespace kolvar {

inline constexpr int CityCount = 3428;

// One town of the city table. Texts are Windows-1250 bytes; a letter the code
// page lacks lost its accent ("Sao Paulo"), Hungarian letters are kept.
// Places are whole arc seconds as the source writes them, so degree, minute
// and second fields show the source's own values; CityLatitude and
// CityLongitude give radians.
struct CityRecord {
    const char* Name;
    const char* Province;          // may be empty
    const char* Country;           // English name ("Hungary")
    std::int32_t LatitudeArcsec;   // north positive
    std::int32_t LongitudeArcsec;  // east positive
    double ZoneHours;              // standard time minus universal time (5.75 for Nepal)
    const char* SummerTimeRule;    // "EU", "US", "RU", "AU" ...; "--" for none
};

// Every town, sorted by name (case-blind), then country and province.
std::span<const CityRecord> Cities();

// Town 0..CityCount-1.
const CityRecord& CityAt(int index);

double CityLatitude(const CityRecord& city);   // radians, north positive
double CityLongitude(const CityRecord& city);  // radians, east positive

}  // namespace kolvar
