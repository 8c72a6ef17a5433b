#include "catalog/catalogue_tsv.h"

#include <cstdio>

#include "catalog/constellation_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/deep_sky_names.h"
#include "catalog/milky_way.h"
#include "catalog/name_text.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"

namespace kolvar {
namespace {

// A float as the shortest text that reads back to the same single value.
std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string Stars() {
    std::string out = "index\tconstellation\tabbreviation\thr\tra\tdec\tpm_ra\tpm_dec\tclass\tspectral\t"
                      "proper_name\tbayer\tflamsteed\n";
    for (std::size_t i = 0; i < StarCatalogue.size(); ++i) {
        const StarRecord& s = StarCatalogue[i];
        const BayerDesignation bayer = BayerOf(s.HrNumber);
        const FlamsteedMatch flamsteed = FlamsteedOf(s.HrNumber);
        std::string designation = bayer.GreekLetter;
        if (!bayer.Suffix.empty()) designation += (designation.empty() ? "" : " ") + bayer.Suffix;
        out += std::to_string(i) + '\t' + std::to_string(s.Constellation) + '\t' +
               ConstellationAbbreviations[s.Constellation] + '\t' + std::to_string(s.HrNumber) + '\t' +
               Number(s.RightAscension) + '\t' + Number(s.Declination) + '\t' + Number(s.ProperMotionRa) + '\t' +
               Number(s.ProperMotionDec) + '\t' + std::to_string(s.MagnitudeClass) + '\t' + s.SpectralClass + '\t' +
               ProperNameOf(s.HrNumber) + '\t' + designation + '\t' +
               (flamsteed.Number != 0 ? std::to_string(flamsteed.Number) : std::string()) + '\n';
    }
    return out;
}

std::string DeepSky() {
    std::string out = "index\tconstellation\tabbreviation\tmessier\tngc\tra\tdec\tclass\tpopular_name\n";
    for (std::size_t i = 0; i < DeepSkyCatalogue.size(); ++i) {
        const DeepSkyRecord& o = DeepSkyCatalogue[i];
        out += std::to_string(i) + '\t' + std::to_string(o.Constellation) + '\t' +
               ConstellationAbbreviations[o.Constellation] + '\t' + TrimBlanks(o.MessierName) + '\t' + o.NgcName +
               '\t' + Number(o.RightAscension) + '\t' + Number(o.Declination) + '\t' +
               std::to_string(o.MagnitudeClass) + '\t' + DeepSkyPopularName(o.MessierName, o.NgcName) + '\n';
    }
    return out;
}

std::string Constellations() {
    std::string out = "number\tabbreviation\tgenitive\n";
    for (int n = 0; n < ConstellationNameCount; ++n) {
        out += std::to_string(n) + '\t' + ConstellationAbbreviations[static_cast<std::size_t>(n)] + '\t' +
               GenitiveOfConstellation(n) + '\n';
    }
    return out;
}

template <typename Point>
std::string Points(const Point* points, std::size_t count, int Point::*code, const char* codeName) {
    std::string out = std::string("index\t") + codeName + "\tra\tdec\n";
    for (std::size_t i = 0; i < count; ++i) {
        out += std::to_string(i) + '\t' + static_cast<char>(points[i].*code) + '\t' +
               Number(points[i].RightAscension) + '\t' + Number(points[i].Declination) + '\n';
    }
    return out;
}

std::string Seeds() {
    std::string out = "index\tra\tdec\n";
    for (std::size_t i = 0; i < MilkyWayFillSeeds.size(); ++i) {
        out += std::to_string(i) + '\t' + Number(MilkyWayFillSeeds[i].RightAscension) + '\t' +
               Number(MilkyWayFillSeeds[i].Declination) + '\n';
    }
    return out;
}

}  // namespace

std::optional<std::string> CatalogueTsv(std::string_view table) {
    if (table == "stars") return Stars();
    if (table == "deepsky") return DeepSky();
    if (table == "constellations") return Constellations();
    if (table == "outline") return Points(MilkyWayOutline.data(), MilkyWayOutline.size(), &MilkyWayPoint::Shape, "shape");
    if (table == "seeds") return Seeds();
    if (table == "lanes") return Points(MilkyWayLanes.data(), MilkyWayLanes.size(), &MilkyWayLanePoint::Lane, "lane");
    return std::nullopt;
}

}  // namespace kolvar
