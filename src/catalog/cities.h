#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "astro/summer_time.h"

namespace kolvar {

inline constexpr int CityCount = 3427;

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

// Whether the place (radians; a longitude may be held past pi) lies within
// one arc second of the town: a town chosen earlier still names the place
// only while the place is the town's.
bool CityIsAt(const CityRecord& city, double latitude, double longitude);

// Whether summer time is in effect at the instant (Julian day, UT) under a
// town's rule: "--" never; "EU" from the last Sunday of March to the last
// Sunday of October, 01:00 UT both. Other rules are not known here: none.
std::optional<bool> SummerTimeByRule(std::string_view rule, double julianDay);

// The rule a town's rule text names where the program knows it: "--" none,
// "EU", "US"; nothing for the others ("RU", "AU" ...).
std::optional<SummerTimeRule> KnownSummerTimeRule(std::string_view rule);

}  // namespace kolvar
