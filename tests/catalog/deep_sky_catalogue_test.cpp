#include "catalog/deep_sky_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>

#include "astro/angles.h"
#include "catalog/deep_sky_kind.h"
#include "catalog/name_text.h"

namespace kolvar {
namespace {

class DeepSkyCatalogueTest : public ::testing::Test {
protected:
};

TEST_F(DeepSkyCatalogueTest, SortedByRightAscensionWithQuotedEnds) {
    EXPECT_STREQ(DeepSkyCatalogue.front().NgcName, "NGC104");
    EXPECT_STREQ(DeepSkyCatalogue.back().NgcName, "NGC7686");
    for (std::size_t i = 1; i < DeepSkyCatalogue.size(); ++i) {
        EXPECT_LE(DeepSkyCatalogue[i - 1].RightAscension, DeepSkyCatalogue[i].RightAscension) << i;
    }
}

TEST_F(DeepSkyCatalogueTest, AndromedaGalaxyIsRecordTwo) {
    const DeepSkyRecord& m31 = DeepSkyCatalogue[2];
    EXPECT_STREQ(m31.MessierName, "M31 ");
    EXPECT_STREQ(m31.NgcName, "NGC224");
    EXPECT_EQ(m31.Constellation, 1);
    EXPECT_EQ(m31.MagnitudeClass, 3);
    EXPECT_EQ(m31.RightAscension, static_cast<float>(HmToRadians(0, 42.7f)));
    EXPECT_EQ(m31.Declination, static_cast<float>(DmToRadians('+', 41, 16.0f)));
}

TEST_F(DeepSkyCatalogueTest, FieldsAreWellFormed) {
    std::set<std::string> ngc;
    std::set<std::string> messier;
    for (const DeepSkyRecord& o : DeepSkyCatalogue) {
        ASSERT_GE(o.Constellation, 1);
        ASSERT_LE(o.Constellation, 88);
        ASSERT_GE(o.MagnitudeClass, 1);
        ASSERT_LE(o.MagnitudeClass, 6);
        ASSERT_TRUE(std::strncmp(o.NgcName, "NGC", 3) == 0 || std::strncmp(o.NgcName, "IC", 2) == 0)
            << o.NgcName;
        EXPECT_TRUE(ngc.insert(o.NgcName).second) << "duplicate " << o.NgcName;
        const std::string m = TrimBlanks(o.MessierName);
        if (!m.empty()) {
            EXPECT_EQ(m[0], 'M');
            EXPECT_TRUE(messier.insert(m).second) << "duplicate " << m;
        }
        EXPECT_LE(std::fabs(o.Declination), static_cast<float>(Pi / 2));
    }
    // Southern objects keep their sign: 47 Tucanae lies at -72 degrees.
    EXPECT_LT(DeepSkyCatalogue.front().Declination, static_cast<float>(-72.0 * Pi / 180.0));
}

// The kind table follows the catalogue's order: quoted objects of every kind.
TEST_F(DeepSkyCatalogueTest, KindsFollowTheCatalogueOrder) {
    const std::pair<const char*, DeepSkyKind> quoted[] = {
        {"NGC224", DeepSkyKind::Galaxy},      {"NGC6205", DeepSkyKind::GlobularCluster},
        {"NGC1976", DeepSkyKind::Nebula},     {"NGC6720", DeepSkyKind::PlanetaryNebula},
        {"NGC869", DeepSkyKind::OpenCluster}, {"NGC104", DeepSkyKind::GlobularCluster},
        {"NGC4486", DeepSkyKind::Galaxy},     {"NGC1952", DeepSkyKind::Nebula}};
    for (const auto& [ngc, kind] : quoted) {
        int found = -1;
        for (int i = 0; i < DeepSkyCount; ++i)
            if (std::strcmp(DeepSkyCatalogue[static_cast<std::size_t>(i)].NgcName, ngc) == 0) found = i;
        ASSERT_GE(found, 0) << ngc;
        EXPECT_EQ(DeepSkyKindOf(found), kind) << ngc;
    }
    EXPECT_EQ(DeepSkyKindOf(DeepSkyCount), DeepSkyKind::Other);
}

}  // namespace
}  // namespace kolvar
