// The keys of the runic name records must name real objects of the program's
// catalogues, or the names can never be found by the identification.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "astro/planets.h"
#include "catalog/constellation_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/runic_names.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"

namespace kolvar {
namespace {

std::string Trim(const char* text) {
    std::string s(text);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
}

bool IsDeepSkyDesignation(const std::string& key) {
    return key.starts_with("M") || key.starts_with("NGC") || key.starts_with("IC");
}

class RunicKeys : public testing::Test {
protected:
    static void SetUpTestSuite() {
        InitStarCatalogue();
        InitDeepSkyCatalogue();
        for (const StarRecord& star : StarCatalogue) {
            const std::string abbr = ConstellationAbbreviations[star.Constellation];
            const BayerDesignation bayer = BayerOf(star.HrNumber);
            if (!bayer.GreekLetter.empty()) {
                greekStars_.insert({abbr, bayer.GreekLetter});
            } else if (const int n = FlamsteedOf(star.HrNumber).Number; n > 0) {
                flamsteedStars_.insert({abbr, std::to_string(n)});
            }
        }
        for (const DeepSkyRecord& object : DeepSkyCatalogue) {
            const std::string messier = Trim(object.MessierName);
            deepSky_.insert({ConstellationAbbreviations[object.Constellation],
                             messier.empty() ? Trim(object.NgcName) : messier});
        }
    }

    static inline std::set<std::pair<std::string, std::string>> greekStars_, flamsteedStars_, deepSky_;
};

TEST_F(RunicKeys, EveryStarAndDeepSkyRecordNamesACatalogueObject) {
    const RunicNameTables& t = RunicNames();
    for (const auto* table : {&t.RunicNameTableA, &t.RunicNameTableB}) {
        for (const RunicNameRecord& r : *table) {
            if (r.ConstellationAbbr == "Zoo") continue;
            SCOPED_TRACE(r.ConstellationAbbr + " " + r.BayerName + " " + r.FlamsteedText + " " + r.Hungarian);
            if (!r.BayerName.empty()) {
                EXPECT_TRUE(greekStars_.count({r.ConstellationAbbr, r.BayerName}));
            } else if (IsDeepSkyDesignation(r.FlamsteedText)) {
                EXPECT_TRUE(deepSky_.count({r.ConstellationAbbr, r.FlamsteedText}));
            } else {
                EXPECT_TRUE(flamsteedStars_.count({r.ConstellationAbbr, r.FlamsteedText}));
            }
        }
    }
}

TEST_F(RunicKeys, SolarSystemRecordsUseThePlanetTableNames) {
    std::set<std::string> bodies = {"Nap", "Hold"};
    for (int i = 1; i <= PlanetCount; ++i) bodies.insert(PlanetInfoTable[static_cast<std::size_t>(i)].Name);
    std::set<std::string> named;
    for (const RunicNameRecord& r : RunicNames().RunicNameTableA) {
        if (r.ConstellationAbbr != "Zoo") continue;
        EXPECT_TRUE(bodies.count(r.LatinName)) << r.LatinName;
        named.insert(r.LatinName);
    }
    EXPECT_EQ(named, bodies);  // every body has a primary name
}

TEST_F(RunicKeys, ConstellationRowsUseCatalogueAbbreviations) {
    std::set<std::string> abbrs(ConstellationAbbreviations.begin(), ConstellationAbbreviations.end());
    for (const RunicConstellationName& c : RunicNames().RunicConstellationNames) {
        EXPECT_TRUE(abbrs.count(c.ConstellationAbbr)) << c.ConstellationAbbr;
    }
}

}  // namespace
}  // namespace kolvar
