#include "catalog/deep_sky_catalogue.h"

#include "astro/angles.h"

namespace kolvar {
namespace {

// One object as the atlas writes it: right ascension h m.m, declination as a
// separate sign with degrees and whole minutes.
struct DeepSkySourceRow {
    std::uint8_t Constellation;
    char MessierName[6];
    char NgcName[11];
    int RaHours;
    float RaMinutes;
    char DecSign;
    int DecDegrees;
    int DecMinutes;
    std::int8_t MagnitudeClass;
};

constexpr DeepSkySourceRow DeepSkySource[] = {
#include "catalog/generated/deep_sky_catalogue.inc"
};
static_assert(std::size(DeepSkySource) == DeepSkyCount, "the deep-sky table holds exactly 112 rows");

constexpr std::array<DeepSkyRecord, DeepSkyCount> BuildDeepSkyTable() {
    std::array<DeepSkyRecord, DeepSkyCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const DeepSkySourceRow& row = DeepSkySource[i];
        DeepSkyRecord& record = table[i];
        record.Constellation = row.Constellation;
        for (std::size_t c = 0; c < sizeof record.MessierName; ++c)
            record.MessierName[c] = row.MessierName[c];
        for (std::size_t c = 0; c < sizeof record.NgcName; ++c) record.NgcName[c] = row.NgcName[c];
        record.RightAscension = static_cast<float>(HmToRadians(row.RaHours, row.RaMinutes));
        record.Declination =
            static_cast<float>(DmToRadians(row.DecSign, row.DecDegrees, static_cast<float>(row.DecMinutes)));
        record.MagnitudeClass = row.MagnitudeClass;
    }
    return table;
}

}  // namespace

constexpr std::array<DeepSkyRecord, DeepSkyCount> DeepSkyCatalogue = BuildDeepSkyTable();

}  // namespace kolvar
