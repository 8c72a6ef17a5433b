#include "identify/label_text.h"

#include <algorithm>
#include <cstring>

#include "astro/planets.h"
#include "catalog/constellation.h"
#include "catalog/constellation_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/deep_sky_names.h"
#include "catalog/greek_letters.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"
#include "identify/label_tables.h"

namespace kolvar {

namespace {

constexpr Colour Cyan = colours::Cyan;
constexpr Colour White = colours::White;
constexpr int MaxRunicNameLength = 127;

bool IsSolarSystemBody(const SkyObjectEntry& e) {
    return e.Kind == KindSun || e.Kind == KindMoon || e.Kind == KindPlanet;
}

std::string OneGlyph(int code) { return std::string(1, static_cast<char>(static_cast<unsigned char>(code))); }

// Hungarian name of the zodiac sign; empty for an index outside 0..11.
std::string SignName(int signIndex) {
    if (signIndex < 0 || signIndex >= static_cast<int>(ZodiacSignNames.size())) return {};
    return ZodiacSignNames[static_cast<std::size_t>(signIndex)].HungarianName;
}

std::string PlanetName(int index) {
    if (index < 0 || index >= PlanetCount) return {};
    return std::string(SolarSystemBodyNames(index + 2).Hungarian);
}

std::string BodyName(const SkyObjectEntry& e) {
    if (e.Kind == KindSun) return std::string(SolarSystemBodyNames(0).Hungarian);
    if (e.Kind == KindMoon) return std::string(SolarSystemBodyNames(1).Hungarian);
    return PlanetName(e.Index);
}

const StarRecord* StarOf(const SkyObjectEntry& e) {
    if (e.Kind != KindStar || e.Index < 0 || e.Index >= StarCount) return nullptr;
    return &StarCatalogue[static_cast<std::size_t>(e.Index)];
}

const DeepSkyRecord* DeepSkyOf(const SkyObjectEntry& e) {
    if (e.Kind != KindDeepSky || e.Index < 0 || e.Index >= DeepSkyCount) return nullptr;
    return &DeepSkyCatalogue[static_cast<std::size_t>(e.Index)];
}

template <std::size_t N>
std::string Field(const char (&text)[N]) {
    return TrimControlAndBlanks(std::string_view(text, strnlen(text, N)));
}

std::string Abbreviation(int constellation) {
    if (constellation < 0 || constellation >= ConstellationNameCount) return {};
    return std::string(ConstellationOf(constellation).Abbreviation);
}

}  // namespace

std::string GreekToSymbolLetter(std::string_view name) {
    std::string result;
    for (const GreekLetter& letter : GreekLetters)
        if (name.substr(0, letter.Name.size()) == letter.Name)
            result = std::string(1, letter.SymbolKey) + " ";
    return result;
}

RunicCluster ClusterMembership(const SkyObjectEntry& selection) {
    const StarRecord* star = StarOf(selection);
    return star == nullptr ? RunicCluster::None : RunicClusterOfStar(star->Constellation, star->HrNumber);
}

LabelRows ComposeLabelRows(const SkyObjectEntry& selection, int size) {
    LabelRows rows;
    for (LabelRow& row : rows) row.Size = size;
    auto glyphRow = [size](LabelRow& row, int code) {
        row.Text = OneGlyph(code);
        row.Face = "Runex23x";
        row.Size = size + 1;
        row.Colour = Cyan;
    };

    if (IsSolarSystemBody(selection)) {
        const int sign = selection.SignIndex;
        rows[0].Text = SignName(sign) + " ";
        if (sign >= 0 && sign < static_cast<int>(ZodiacSignNames.size()))
            glyphRow(rows[1], FirstZodiacGlyph + sign);
        rows[2].Text = BodyName(selection) + " ";
        if (selection.Kind == KindSun) glyphRow(rows[3], SunGlyph);
        if (selection.Kind == KindMoon) glyphRow(rows[3], MoonGlyph);
        if (selection.Kind == KindPlanet && selection.Index >= 0 && selection.Index < PlanetCount)
            glyphRow(rows[3], FirstPlanetGlyph + selection.Index);
    } else if (const StarRecord* star = StarOf(selection)) {
        const BayerDesignation bayer = BayerOf(star->HrNumber);
        rows[0].Text = GreekToSymbolLetter(bayer.GreekLetter) + " ";
        rows[0].Face = "Symbol";
        rows[0].Size = size + 1;
        rows[0].Colour = White;
        const int flamsteed = FlamsteedOf(star->HrNumber).Number;
        const std::string number = flamsteed > 0 && !bayer.Found ? std::to_string(flamsteed) : "";
        rows[1].Text = bayer.Suffix + " " + number + " " + GenitiveOfConstellation(star->Constellation);
        rows[2].Text = ProperNameOf(star->HrNumber);
        const RunicCluster cluster = ClusterMembership(selection);
        if (cluster == RunicCluster::Pleiades)
            rows[4].Text =
                "Plej\xE1"
                "dok";
        if (cluster == RunicCluster::Hyades) rows[4].Text = "Hyadok";
    } else if (const DeepSkyRecord* object = DeepSkyOf(selection)) {
        const std::string messier = Field(object->MessierName);
        const std::string ngc = Field(object->NgcName);
        rows[1].Text = GenitiveOfConstellation(object->Constellation);
        rows[2].Text = DeepSkyPopularName(messier, ngc);
        rows[4].Text = messier + " " + ngc;
    }
    return rows;
}

RunicNameList CollectRunicNames(const SkyObjectEntry& selection) {
    if (IsSolarSystemBody(selection)) {
        return FindRunicNames(BodyName(selection), "", SignName(selection.SignIndex), "Zoo");
    }
    if (const StarRecord* star = StarOf(selection)) {
        const std::string greek = BayerOf(star->HrNumber).GreekLetter;
        return FindRunicNames(ProperNameOf(star->HrNumber), greek,
                              RunicStarDesignationKey(greek, FlamsteedOf(star->HrNumber).Number),
                              Abbreviation(star->Constellation), ClusterMembership(selection));
    }
    if (const DeepSkyRecord* object = DeepSkyOf(selection)) {
        return FindRunicNames("", "",
                              RunicDeepSkyDesignationKey(Field(object->MessierName), Field(object->NgcName)),
                              Abbreviation(object->Constellation));
    }
    return {};
}

std::vector<std::string> RunicLinesAsDrawn(const RunicNameList& names) {
    std::vector<std::string> lines;
    lines.reserve(names.Names.size());
    for (std::size_t i = 0; i < names.Names.size(); ++i) {
        std::string line = names.Names[i].substr(0, MaxRunicNameLength);
        std::reverse(line.begin(), line.end());
        if (static_cast<int>(i) >= names.PrimaryCount) line += "=";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> HungarianLinesAsDrawn(const RunicNameList& names) {
    // Colour alone tells the primary names from the others here.
    return names.Hungarian;
}

}  // namespace kolvar
