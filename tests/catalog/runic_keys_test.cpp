// The keys of the runic name records must name real objects of the program's
// catalogues, or the names can never be found by the identification.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "astro/planets.h"
#include "catalog/constellation_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/runic_names.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"

namespace kolvar {
namespace {

class RunicKeys : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // The keys the identification gives each catalogue object.
        for (const StarRecord& star : StarCatalogue) {
            const std::string greek = BayerOf(star.HrNumber).GreekLetter;
            const Keys keys{ConstellationAbbreviations[star.Constellation], greek,
                            RunicStarDesignationKey(greek, FlamsteedOf(star.HrNumber).Number)};
            stars_.insert(keys);
            starNames_[keys].insert(ProperNameOf(star.HrNumber));
        }
        for (const DeepSkyRecord& object : DeepSkyCatalogue) {
            deepSky_.insert({ConstellationAbbreviations[object.Constellation], "",
                             RunicDeepSkyDesignationKey(object.MessierName, object.NgcName)});
        }
    }

    using Keys = std::tuple<std::string, std::string, std::string>;  // K4, K2, K3
    static inline std::set<Keys> stars_, deepSky_;
    static inline std::map<Keys, std::set<std::string>> starNames_;  // proper names, "" for none
};

TEST_F(RunicKeys, EveryStarAndDeepSkyRecordNamesACatalogueObject) {
    const RunicNameTables& t = RunicNames();
    for (const auto* table : {&t.RunicNameTableA, &t.RunicNameTableB}) {
        for (const RunicNameRecord& r : *table) {
            if (r.ConstellationAbbr == "Zoo") continue;
            SCOPED_TRACE(r.ConstellationAbbr + " " + r.BayerName + " " + r.FlamsteedText + " " + r.Hungarian);
            const Keys keys{r.ConstellationAbbr, r.BayerName, r.FlamsteedText};
            EXPECT_TRUE(stars_.count(keys) || deepSky_.count(keys));
        }
    }
}

// The cluster lists against the catalogue: the members it holds are stars of
// Taurus, except HR 1672, which lies in Orion and so belongs to no cluster.
TEST_F(RunicKeys, ClusterMembersOfTheCatalogue) {
    std::set<int> members(PleiadesHrNumbers.begin(), PleiadesHrNumbers.end());
    members.insert(HyadesHrNumbers.begin(), HyadesHrNumbers.end());
    EXPECT_EQ(members.size(), PleiadesHrNumbers.size() + HyadesHrNumbers.size());  // no star in both
    int pleiades = 0, hyades = 0;
    for (const StarRecord& star : StarCatalogue) {
        if (!members.count(star.HrNumber)) continue;
        const RunicCluster cluster = RunicClusterOfStar(star.Constellation, star.HrNumber);
        if (star.HrNumber == 1672) {
            EXPECT_EQ(ConstellationAbbreviations[star.Constellation], std::string("Ori"));
            EXPECT_EQ(cluster, RunicCluster::None);
            continue;
        }
        EXPECT_EQ(ConstellationAbbreviations[star.Constellation], std::string("Tau"))
            << "HR " << star.HrNumber;
        pleiades += cluster == RunicCluster::Pleiades;
        hyades += cluster == RunicCluster::Hyades;
    }
    EXPECT_EQ(pleiades, 12);
    EXPECT_EQ(hyades, 22);
}

// A star record's Latin name is the proper name the program shows for its star,
// and blank when that star has none.
TEST_F(RunicKeys, StarRecordsCarryTheProperNameOfTheirStar) {
    const RunicNameTables& t = RunicNames();
    for (const auto* table : {&t.RunicNameTableA, &t.RunicNameTableB}) {
        for (const RunicNameRecord& r : *table) {
            const auto names = starNames_.find({r.ConstellationAbbr, r.BayerName, r.FlamsteedText});
            if (r.ConstellationAbbr == "Zoo" || names == starNames_.end()) continue;
            SCOPED_TRACE(r.ConstellationAbbr + " " + r.BayerName + " " + r.FlamsteedText + " " + r.Hungarian);
            if (r.LatinName.empty()) {
                EXPECT_EQ(names->second, std::set<std::string>{""});
            } else {
                EXPECT_TRUE(names->second.count(r.LatinName)) << r.LatinName;
            }
        }
    }
}

TEST(RunicDesignationKeys, FollowTheRecordsConvention) {
    EXPECT_EQ(RunicStarDesignationKey("", 80), "80");    // Alcor
    EXPECT_EQ(RunicStarDesignationKey("zeta", 79), "");  // Mizar: the Greek letter is the key
    EXPECT_EQ(RunicStarDesignationKey("", 0), "");
    EXPECT_EQ(RunicStarDesignationKey("  ", 17), "17");
    EXPECT_EQ(RunicDeepSkyDesignationKey("M44 ", "NGC2632"), "M44");
    EXPECT_EQ(RunicDeepSkyDesignationKey("    ", "NGC869"), "NGC869");
    EXPECT_EQ(RunicDeepSkyDesignationKey("", ""), "");
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
