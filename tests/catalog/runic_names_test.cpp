#include "catalog/runic_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "texts/runic_transliteration.h"

namespace kolvar {
namespace {

std::string Runes(std::string_view cp1250) {
    return TransliterateToRunes(cp1250, HungarianEncoding::Windows1250);
}

bool IsTrimmed(const std::string& s) {
    return s.empty() ||
           (static_cast<unsigned char>(s.front()) > 32 && static_cast<unsigned char>(s.back()) > 32);
}

TEST(RunicNames, TrimRemovesControlCodesAndBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimControlAndBlanks(" Vega                   "), "Vega");
    EXPECT_EQ(TrimControlAndBlanks(std::string("\0\t Deneb Algedi \r\n\x1F", 20)), "Deneb Algedi");
    EXPECT_EQ(TrimControlAndBlanks("               "), "");
    EXPECT_EQ(TrimControlAndBlanks(""), "");
    EXPECT_EQ(TrimControlAndBlanks("\xE7il`ag \xA0"), "\xE7il`ag \xA0");  // 0xA0 is a glyph code, kept
}

TEST(RunicNames, StoredRecordsAreTrimmedAndWellFormed) {
    const RunicNameTables& t = RunicNames();
    ASSERT_GE(t.RunicNameTableA.size(), 95u);
    ASSERT_GE(t.RunicNameTableB.size(), 85u);
    ASSERT_GE(t.RunicConstellationNames.size(), 70u);
    ASSERT_EQ(t.PleiadesRunicNames.size(), 9u);
    ASSERT_EQ(t.HyadesRunicNames.size(), 2u);
    for (const auto* table : {&t.RunicNameTableA, &t.RunicNameTableB}) {
        for (const RunicNameRecord& r : *table) {
            SCOPED_TRACE(r.Hungarian);
            EXPECT_EQ(r.ConstellationAbbr.size(), 3u);
            EXPECT_TRUE(IsTrimmed(r.LatinName) && IsTrimmed(r.BayerName) && IsTrimmed(r.FlamsteedText));
            EXPECT_TRUE(IsTrimmed(r.RunicName));
            EXPECT_FALSE(r.RunicName.empty());
            // A star record without any designation would name every undesignated star.
            if (r.ConstellationAbbr != "Zoo") {
                EXPECT_FALSE(r.BayerName.empty() && r.FlamsteedText.empty());
            }
        }
    }
}

// The generator writes the names with the Python routine; the program's own
// routine must read every Hungarian source the same way.
TEST(RunicNames, EveryRunicNameIsItsHungarianSourceTransliterated) {
    const RunicNameTables& t = RunicNames();
    for (const auto* table : {&t.RunicNameTableA, &t.RunicNameTableB}) {
        for (const RunicNameRecord& r : *table) EXPECT_EQ(r.RunicName, Runes(r.Hungarian)) << r.Hungarian;
    }
    for (const RunicConstellationName& c : t.RunicConstellationNames)
        EXPECT_EQ(c.RunicName, Runes(c.Hungarian));
    for (const RunicGroupName& g : t.PleiadesRunicNames) EXPECT_EQ(g.RunicName, Runes(g.Hungarian));
    for (const RunicGroupName& g : t.HyadesRunicNames) EXPECT_EQ(g.RunicName, Runes(g.Hungarian));
}

TEST(RunicNames, EveryZodiacConstellationHasARunicName) {
    std::set<std::string> abbrs;
    for (const RunicConstellationName& c : RunicNames().RunicConstellationNames)
        abbrs.insert(c.ConstellationAbbr);
    for (const char* z :
         {"Ari", "Tau", "Gem", "Cnc", "Leo", "Vir", "Lib", "Sco", "Sgr", "Cap", "Aqr", "Psc", "Zoo"}) {
        EXPECT_TRUE(abbrs.count(z)) << z;
    }
}

TEST(RunicNames, SolarSystemBodiesAreFoundByTheirPlanetTableNames) {
    const char* names[] = {"Nap",     "Hold",       "Merk\xFAr",  "V\xE9nusz", "Mars",
                           "Jupiter", "Szaturnusz", "Ur\xE1nusz", "Neptunusz"};
    for (const char* name : names) {
        RunicNameList list = FindRunicNames(name, "", "Kos", "Zoo");
        ASSERT_GE(list.PrimaryCount, 1) << name;
        EXPECT_EQ(list.Names.front(), Runes(name));
        EXPECT_EQ(list.Names.back(), "a`l`at\xF6v");  // the zodiac's own name ends the list
    }
}

TEST(RunicNames, VenusListsPrimaryThenFurtherThenZodiac) {
    RunicNameList venus = FindRunicNames("V\xE9nusz", "", "Oroszl\xE1n", "Zoo");
    ASSERT_EQ(venus.PrimaryCount, 1);
    ASSERT_EQ(venus.Names.size(), 5u);
    EXPECT_EQ(venus.Names[0], "v\xE9nu\xDF");
    EXPECT_EQ(venus.Names[1], "esthajnal\xE7il`ag");
    EXPECT_EQ(venus.Names[4], "a`l`at\xF6v");
    // The sign does not matter, and keys are compared trimmed.
    RunicNameList again = FindRunicNames("  V\xE9nusz ", "alpha", "", " Zoo ");
    EXPECT_EQ(again.Names, venus.Names);
}

TEST(RunicNames, SolarSystemRecordsNeverMatchStars) {
    RunicNameList list = FindRunicNames("Mars", "", "", "Sco");
    for (const std::string& n : list.Names) EXPECT_NE(n, "mars");
    EXPECT_EQ(list.PrimaryCount, 0);
}

TEST(RunicNames, AlcorNeedsItsFlamsteedNumber) {
    RunicNameList alcor = FindRunicNames("Alcor", "", "80", "UMa");
    ASSERT_EQ(alcor.PrimaryCount, 1);
    EXPECT_EQ(alcor.Names[0], "alkor");
    EXPECT_EQ(alcor.Names[1], "lovas");
    EXPECT_EQ(alcor.Names.back(),
              "g\xF6nc\xF6l\xDF"
              "ek\xE9r");

    RunicNameList undesignated = FindRunicNames("", "", "", "UMa");
    EXPECT_EQ(undesignated.PrimaryCount, 0);
    EXPECT_EQ(undesignated.Names, (std::vector<std::string>{"na\xF0 medve",
                                                            "g\xF6nc\xF6l\xDF"
                                                            "ek\xE9r"}));
}

TEST(RunicNames, MizarSharesTheDipperNameWithItsNeighbours) {
    RunicNameList mizar = FindRunicNames("Mizar", "zeta", "", "UMa");
    EXPECT_EQ(mizar.PrimaryCount, 1);
    int dipper = 0;
    for (const std::string& n : mizar.Names)
        dipper += n ==
                  "g\xF6nc\xF6l\xDF"
                  "ek\xE9r";
    EXPECT_EQ(dipper, 2);  // its own further name and the constellation's
}

TEST(RunicNames, PleiadesMemberEndsWithTheNineClusterNames) {
    const RunicNameTables& t = RunicNames();
    RunicNameList alcyone = FindRunicNames("Alcyone", "eta", "", "Tau", RunicCluster::Pleiades);
    ASSERT_EQ(alcyone.PrimaryCount, 1);
    EXPECT_EQ(alcyone.Names[0], "alkion\xE9");
    ASSERT_EQ(alcyone.Names.size(), 1u + 1u + 9u);  // its name, "Bika", the cluster
    EXPECT_EQ(alcyone.Names[1], "bika");
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(alcyone.Names[2 + i], t.PleiadesRunicNames[i].RunicName);
    EXPECT_EQ(alcyone.Names[2], "fias\xFEu`k");

    RunicNameList electra = FindRunicNames("Electra", "", "17", "Tau", RunicCluster::Pleiades);
    EXPECT_EQ(electra.PrimaryCount, 1);
    EXPECT_EQ(electra.Names[0], "elektra");
}

TEST(RunicNames, HyadesMemberWithoutOwnNameGetsConstellationAndClusterNames) {
    RunicNameList list = FindRunicNames("", "theta", "", "Tau", RunicCluster::Hyades);
    EXPECT_EQ(list.PrimaryCount, 0);
    EXPECT_EQ(list.Names, (std::vector<std::string>{"bika", "hia`dok", "es\xF6`hozo`k"}));
}

TEST(RunicNames, ClusterMembershipNeedsTaurusAndAListedHrNumber) {
    constexpr int kTaurus = 78;
    EXPECT_EQ(RunicClusterOfStar(kTaurus, 1165), RunicCluster::Pleiades);
    EXPECT_EQ(RunicClusterOfStar(kTaurus, 1140), RunicCluster::Pleiades);
    EXPECT_EQ(RunicClusterOfStar(kTaurus, 1222), RunicCluster::Pleiades);
    EXPECT_EQ(RunicClusterOfStar(kTaurus, 1412), RunicCluster::Hyades);
    EXPECT_EQ(RunicClusterOfStar(kTaurus, 1201), RunicCluster::Hyades);
    EXPECT_EQ(RunicClusterOfStar(kTaurus, 1905), RunicCluster::Hyades);
    EXPECT_EQ(RunicClusterOfStar(kTaurus, 1457),
              RunicCluster::None);  // Aldebaran stands in front of the Hyades
    EXPECT_EQ(RunicClusterOfStar(kTaurus - 1, 1165), RunicCluster::None);
    EXPECT_EQ(RunicClusterOfStar(kTaurus + 1, 1412), RunicCluster::None);
    EXPECT_EQ(RunicClusterOfStar(0, 1165), RunicCluster::None);
}

TEST(RunicNames, DeepSkyObjectsAreFoundByDesignation) {
    RunicNameList praesepe = FindRunicNames("", "", "M44", "Cnc");
    ASSERT_EQ(praesepe.PrimaryCount, 1);
    EXPECT_EQ(praesepe.Names[0], "ja`\xDFol");
    EXPECT_EQ(praesepe.Names.back(), "ra`k");
}

TEST(RunicNames, UnknownObjectHasNoNames) {
    RunicNameList none = FindRunicNames("", "", "", "");
    EXPECT_TRUE(none.Names.empty());
    EXPECT_EQ(none.PrimaryCount, 0);
}

TEST(RunicNames, InitialisationIsOnceAndForAll) {
    InitRunicNames();
    const RunicNameTables* first = &RunicNames();
    InitRunicNames();
    EXPECT_EQ(first, &RunicNames());
    EXPECT_EQ(BuildRunicNameTables().RunicNameTableA.size(), first->RunicNameTableA.size());
}

}  // namespace
}  // namespace kolvar
