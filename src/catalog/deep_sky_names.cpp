#include "catalog/deep_sky_names.h"

#include "catalog/name_text.h"

namespace kolvar {

const std::array<DeepSkyNameRecord, 9> DeepSkyNameTable{{
    {"Ensis, Nagy Orion k\xF6"
     "d  ",
     "M42 ", "NGC1976 "},
    {"Aculeus                ", "    ", "NGC6405 "},
    {"Acumen                 ", "    ", "NGC6475 "},
    {"Spiculum Lag\xFAna-k\xF6"
     "d    ",
     "    ", "NGC6523 "},
    {"Facies                 ", "M22 ", "NGC6656 "},
    {"Vertex                 ", "M31 ", "NGC224  "},
    {"Capulus                ", "    ", "NGC869  "},
    {"Praesaepe              ", "M44 ", "NGC2632 "},
    {"Copula                 ", "M51 ", "NGC5194 "},
}};

std::string DeepSkyPopularName(std::string_view messierName, std::string_view ngcName) {
    const std::string messier = TrimBlanks(messierName);
    if (!messier.empty()) {
        for (const DeepSkyNameRecord& row : DeepSkyNameTable) {
            if (TrimBlanks(row.MessierName) == messier) return TrimBlanks(row.PopularName);
        }
    }
    const std::string ngc = TrimBlanks(ngcName);
    if (!ngc.empty()) {
        for (const DeepSkyNameRecord& row : DeepSkyNameTable) {
            if (TrimBlanks(row.NgcName) == ngc) return TrimBlanks(row.PopularName);
        }
    }
    return {};
}

}  // namespace kolvar
