// Finding objects by name: what each kind of name and spelling finds first,
// the order of the matches, and the keys names are compared by.
#include "identify/name_index.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "catalog/deep_sky_catalogue.h"
#include "identify/search_key.h"
#include "identify_test_setup.h"

namespace kolvar {
namespace {

int StarSlot(int hr) { return FirstStarSlot + testing::StarIndexOfHr(hr); }

int DeepSkySlot(const std::string& messier) {
    for (int i = 0; i < DeepSkyCount; ++i)
        if (std::string_view(DeepSkyCatalogue[static_cast<std::size_t>(i)].MessierName)
                .starts_with(messier + std::string(" ")))
            return FirstDeepSkySlot + i;
    return -1;
}

TEST(NameIndex, EachKindOfNameFindsItsObjectFirst) {
    testing::InitialiseIdentifyTables();
    const struct {
        const char* typed;  // UTF-8
        int slot;
    } cases[] = {
        {"vega", StarSlot(7001)},
        {"VÉGA", StarSlot(7001)},
        {"alfa lyr", StarSlot(7001)},
        {"alpha Lyrae", StarSlot(7001)},
        {"α Lyr", StarSlot(7001)},
        {"Alp Lyr", StarSlot(7001)},
        {"21 And", StarSlot(15)},
        {"Alferac", StarSlot(15)},  // runic name's spelling
        {"M31", DeepSkySlot("M31")},
        {"m 31", DeepSkySlot("M31")},
        {"ngc 224", DeepSkySlot("M31")},
        {"Androméda-köd", DeepSkySlot("M31")},
        {"Nagy Orion köd", DeepSkySlot("M42")},  // one part of "Ensis, Nagy Orion köd"
        {"jaszol", DeepSkySlot("M44")},
        {"Alkor", StarSlot(5062)},
        {"Jupiter", FirstPlanetSlot + 3},
        {"Szaturnusz", FirstPlanetSlot + 4},
        {"saturn", FirstPlanetSlot + 4},
        {"merkur", FirstPlanetSlot},
        {"Esthajnalcsillag", FirstPlanetSlot + 1},
        {"Hold", MoonSlot},
        {"Nap", SunSlot},
    };
    const NameIndex& index = ProgramNameIndex();
    for (const auto& c : cases) {
        const std::vector<FoundObject> found = index.Find(c.typed);
        ASSERT_FALSE(found.empty()) << c.typed;
        EXPECT_EQ(found.front().Slot, c.slot) << c.typed << " found " << found.front().Name;
        EXPECT_TRUE(found.front().Exact) << c.typed;
    }
}

TEST(NameIndex, ExactMatchesComeFirstThenBrighterObjects) {
    testing::InitialiseIdentifyTables();
    const std::vector<FoundObject> found = ProgramNameIndex().Find("m4");
    ASSERT_GT(found.size(), 3u);
    EXPECT_EQ(found[0].Slot, DeepSkySlot("M4"));
    EXPECT_TRUE(found[0].Exact);
    const auto magnitude = [](const FoundObject& f) {
        return DeepSkyCatalogue[static_cast<std::size_t>(f.Slot - FirstDeepSkySlot)].MagnitudeClass;
    };
    for (std::size_t i = 1; i < found.size(); ++i) EXPECT_FALSE(found[i].Exact);
    // The chart's objects, then the catalogue's M40 and M45 that it lacks.
    std::size_t slots = 1;
    while (slots < found.size() && found[slots].Slot >= 0) ++slots;
    for (std::size_t i = 2; i < slots; ++i) EXPECT_LE(magnitude(found[i - 1]), magnitude(found[i]));
    ASSERT_EQ(found.size(), slots + 2);
    EXPECT_EQ(found[slots].DisplayName, "M45");  // the brighter first
    EXPECT_EQ(found[slots + 1].DisplayName, "M40");
    EXPECT_TRUE(ProgramNameIndex().Find(" ,-").empty());
}

TEST(NameIndex, FindsNgcIcObjectsConstellationsAndNamesALetterOrTwoOff) {
    testing::InitialiseIdentifyTables();
    const struct {
        const char* typed;  // UTF-8
        FoundKind kind;
        const char* shown;  // the first object's display name
        bool exact;
    } cases[] = {
        {"NGC 7000", FoundKind::NgcIc, "NGC 7000", true},
        {"ngc7000", FoundKind::NgcIc, "NGC 7000", true},
        {"ic434", FoundKind::NgcIc, "IC 434", true},
        {"L\xC3\xB3"
         "fej-k\xC3\xB6"
         "d",
         FoundKind::NgcIc, "IC 434", true},
        {"North America Nebula", FoundKind::NgcIc, "NGC 7000", true},
        {"Orion Nebula", FoundKind::Slot, "M42", true},  // the chart's own object takes the catalogue's names
        {"Crab Nebula", FoundKind::Slot, "M1", true},
        {"Kett\xC5\x91s halmaz", FoundKind::Slot, "NGC869", true},
        {"Fiasty\xC3\xBAk", FoundKind::NgcIc, "M45", true},  // the cluster before its stars
        {"M40", FoundKind::NgcIc, "M40", true},
        {"Orion", FoundKind::Constellation, "Orion", true},
        {"Nagy Medve", FoundKind::Constellation, "Ursa Maior", true},
        {"UMa", FoundKind::Constellation, "Ursa Maior", true},
        {"Prokyon", FoundKind::Slot, "Procyon", false},
        {"Betelg\xC3\xB6z", FoundKind::Slot, "Betelgeuse", false},
        {"Fomalhout", FoundKind::Slot, "Fomalhaut", false},
        {"Jupiterr", FoundKind::Slot, "Jupiter", false},
    };
    const NameIndex& index = ProgramNameIndex();
    for (const auto& c : cases) {
        const std::vector<FoundObject> found = index.Find(c.typed);
        ASSERT_FALSE(found.empty()) << c.typed;
        EXPECT_EQ(found.front().Kind, c.kind) << c.typed;
        EXPECT_EQ(found.front().DisplayName, c.shown) << c.typed;
        EXPECT_EQ(found.front().Exact, c.exact) << c.typed;
        EXPECT_EQ(found.front().Close, !c.exact) << c.typed;
        EXPECT_EQ(found.front().Slot >= 0, c.kind == FoundKind::Slot) << c.typed;
    }
    // The cluster's stars follow it, the brightest first.
    const std::vector<FoundObject> pleiades = index.Find("Fiasty\xC3\xBAk");
    ASSERT_GT(pleiades.size(), 1u);
    EXPECT_EQ(pleiades[1].Slot, StarSlot(1165));
    // Numbers are never taken for others a digit off, nor short names a letter or two off.
    EXPECT_TRUE(index.Find("ngc 99999").empty());
    EXPECT_TRUE(index.Find("Vegx").size() <= 3);
    EXPECT_TRUE(index.Find("xq").empty());
    // Close matches only where nothing matches as written.
    for (const FoundObject& f : index.Find("Vega")) EXPECT_FALSE(f.Close);
}

TEST(NameIndex, EverySlotHasADisplayName) {
    testing::InitialiseIdentifyTables();
    const NameIndex& index = ProgramNameIndex();
    for (int slot = 0; slot < SkyObjectCount; ++slot) EXPECT_FALSE(index.DisplayName(slot).empty()) << slot;
    EXPECT_EQ(index.DisplayName(StarSlot(7001)), "Vega");
    EXPECT_EQ(index.DisplayName(DeepSkySlot("M31")), "M31");
}

TEST(SearchKey, FoldsCaseAccentsSpacesAndGreekInBothEncodings) {
    EXPECT_EQ(SearchKeyOfUtf8("Őrség Ükö-ß"), "orsegukoss");
    EXPECT_EQ(SearchKeyOfUtf8("α¹ Lyr."), "alpha1lyr");
    EXPECT_EQ(SearchKeyOfUtf8("ΣΩ ς"), "sigmaomegasigma");
    EXPECT_EQ(SearchKeyOfUtf8("Ve\xFFga\xC3"), "vega");  // ill-formed bytes are skipped
    EXPECT_FALSE(IsWellFormedUtf8("Ve\xFFga"));
    EXPECT_FALSE(IsWellFormedUtf8("\xC0\xAF"));  // an overlong '/'
    EXPECT_EQ(SearchKeyOfCp1250("Sz\xFBz \xD5r"), SearchKeyOfUtf8("Szűz Őr"));
}

}  // namespace
}  // namespace kolvar
