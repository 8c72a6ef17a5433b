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
        {"Fiastyúk", StarSlot(1165)},  // the brightest of the Pleiades
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
    for (std::size_t i = 2; i < found.size(); ++i) EXPECT_LE(magnitude(found[i - 1]), magnitude(found[i]));
    EXPECT_TRUE(ProgramNameIndex().Find(" ,-").empty());
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
