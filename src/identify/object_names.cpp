#include "identify/object_names.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "astro/planets.h"
#include "catalog/constellation.h"
#include "catalog/constellation_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/deep_sky_names.h"
#include "catalog/greek_letters.h"
#include "catalog/name_text.h"
#include "catalog/runic_names.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"
#include "sky/sky_object_table.h"

namespace kolvar {

namespace {

// The Hungarian texts of the runic names, under the keys that the labels
// match the runic tables with (CollectRunicNames): "Zoo" and the body's name
// for the Sun, the Moon and the planets; otherwise the constellation
// abbreviation, the Greek letter name and the designation key. Table A's
// names come before table B's.
class RunicSpellings {
public:
    RunicSpellings() {
        for (const auto* table : {&RunicNames().RunicNameTableA, &RunicNames().RunicNameTableB}) {
            for (const RunicNameRecord& r : *table) {
                const std::string key = r.ConstellationAbbr == "Zoo"
                                            ? Key("Zoo", r.LatinName, "")
                                            : Key(r.ConstellationAbbr, r.BayerName, r.FlamsteedText);
                byKey_[key].push_back(r.Hungarian);
            }
        }
    }

    const std::vector<std::string>& Of(std::string_view k4, std::string_view k2orName,
                                       std::string_view k3) const {
        static const std::vector<std::string> none;
        const auto found = byKey_.find(Key(k4, k2orName, k3));
        return found == byKey_.end() ? none : found->second;
    }

private:
    static std::string Key(std::string_view a, std::string_view b, std::string_view c) {
        std::string key(a);
        key += '\t';
        key += b;
        key += '\t';
        key += c;
        return key;
    }
    std::unordered_map<std::string, std::vector<std::string>> byKey_;
};

template <std::size_t N>
std::string Field(const char (&text)[N]) {
    return TrimBlanks(std::string_view(text, strnlen(text, N)));
}

std::string AbbreviationOf(int constellation) {
    return std::string(ConstellationOf(constellation).Abbreviation);
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ') out += c;
    }
    return out;
}

void ListBodyNames(const NameSink& add, const RunicSpellings& runic) {
    for (int slot = SunSlot; slot < FirstStarSlot; ++slot) {
        const BodyNames names = SolarSystemBodyNames(slot - SunSlot);
        const std::string hungarian(names.Hungarian);
        add(slot, hungarian);
        for (const std::string_view other : {names.English, names.Latin}) add(slot, std::string(other));
        for (const std::string& spelling : runic.Of("Zoo", hungarian, "")) add(slot, spelling);
    }
}

void ListStarNames(const NameSink& add, const RunicSpellings& runic) {
    std::array<std::string, ConstellationNameCount> genitives;
    for (int c = 0; c < ConstellationNameCount; ++c)
        genitives[static_cast<std::size_t>(c)] = GenitiveOfConstellation(c);
    for (int star = 0; star < StarCount; ++star) {
        const int slot = FirstStarSlot + star;
        const StarRecord& s = StarCatalogue[static_cast<std::size_t>(star)];
        const std::string abbreviation = AbbreviationOf(s.Constellation);
        const std::string& genitive =
            genitives[s.Constellation < ConstellationNameCount ? s.Constellation : 0];
        const int hr = s.HrNumber;
        const NameRows rows = NameRowsOfHr(hr);

        if (rows.Proper >= 0)
            add(slot, Field(ProperNameTable[static_cast<std::size_t>(rows.Proper)].ProperName));

        std::string greek;  // the Greek letter name, the runic tables' key
        if (rows.Bayer >= 0) {
            const BayerRecord& b = BayerTable[static_cast<std::size_t>(rows.Bayer)];
            const GreekLetter* letter = GreekLetterNumbered(b.GreekLetter);
            const std::string suffix = WithoutBlanks(Field(b.Suffix));
            if (letter == nullptr) {  // a Latin letter: "p Pup", "c2 Cen"
                add(slot, suffix + " " + abbreviation);
                add(slot, suffix + " " + genitive);
            } else {
                greek = letter->Name;
                const std::array<std::string, 3> spellings = {greek, std::string(letter->Hungarian),
                                                              std::string(letter->Abbreviation)};
                for (const std::string& l : spellings) {
                    add(slot, l + suffix + " " + abbreviation);
                    add(slot, l + suffix + " " + genitive);
                }
                // "alpha Lib" finds both alpha1 and alpha2 Lib.
                for (const std::string& l : spellings) {
                    if (suffix.empty()) break;
                    add(slot, l + " " + abbreviation);
                    add(slot, l + " " + genitive);
                }
            }
        }

        const int flamsteed = rows.Flamsteed >= 0
                                  ? FlamsteedTable[static_cast<std::size_t>(rows.Flamsteed)].FlamsteedNumber
                                  : 0;
        if (flamsteed > 0) {
            add(slot, std::to_string(flamsteed) + " " + abbreviation);
            add(slot, std::to_string(flamsteed) + " " + genitive);
        }

        for (const std::string& spelling :
             runic.Of(abbreviation, greek, RunicStarDesignationKey(greek, flamsteed))) {
            add(slot, spelling);
        }
        const RunicCluster cluster = RunicClusterOfStar(s.Constellation, hr);
        if (cluster != RunicCluster::None) {
            const bool pleiades = cluster == RunicCluster::Pleiades;
            add(slot, pleiades ? "Plej\xE1"
                                 "dok"
                               : "Hyadok");  // as the labels name the cluster
            for (const RunicGroupName& g :
                 pleiades ? RunicNames().PleiadesRunicNames : RunicNames().HyadesRunicNames)
                add(slot, g.Hungarian);
        }
        add(slot, "HR " + std::to_string(hr));
    }
}

void ListDeepSkyNames(const NameSink& add, const RunicSpellings& runic) {
    for (int object = 0; object < DeepSkyCount; ++object) {
        const int slot = FirstDeepSkySlot + object;
        const DeepSkyRecord& d = DeepSkyCatalogue[static_cast<std::size_t>(object)];
        const std::string messier = Field(d.MessierName);
        const std::string ngc = Field(d.NgcName);
        if (!messier.empty()) add(slot, messier);
        if (!ngc.empty()) add(slot, ngc);
        const std::string popular = DeepSkyPopularName(messier, ngc);
        if (!popular.empty()) add(slot, popular);
        // "Ensis, Nagy Orion köd" is also found by either part.
        if (popular.find(',') != std::string::npos) {
            for (std::string_view rest = popular; !rest.empty();) {
                const std::size_t comma = std::min(rest.find(','), rest.size());
                add(slot, TrimBlanks(rest.substr(0, comma)));
                rest.remove_prefix(std::min(comma + 1, rest.size()));
            }
        }
        const std::string abbreviation = AbbreviationOf(d.Constellation);
        for (const std::string& spelling :
             runic.Of(abbreviation, "", RunicDeepSkyDesignationKey(messier, ngc)))
            add(slot, spelling);
    }
}

}  // namespace

void ListObjectNames(const NameSink& add) {
    const RunicSpellings runic;
    ListBodyNames(add, runic);
    ListStarNames(add, runic);
    ListDeepSkyNames(add, runic);
}

}  // namespace kolvar
