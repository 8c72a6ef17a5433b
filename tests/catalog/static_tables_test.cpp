#include "catalog/static_tables.h"

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/milky_way.h"
#include "catalog/star_catalogue.h"

namespace kolvar {
namespace {

TEST(StaticTables, StartUpWritesEveryCoordinateTable) {
    InitStaticTables();
    EXPECT_EQ(StarCatalogue[0].RightAscension, static_cast<float>(HmsToRadians(0, 8, 23.3f)));
    EXPECT_EQ(DeepSkyCatalogue[2].RightAscension, static_cast<float>(HmToRadians(0, 42.7f)));
    EXPECT_EQ(MilkyWayFillSeeds[0].RightAscension, static_cast<float>(HmsToRadians(1, 8, 0.0f)));
    EXPECT_NE(MilkyWayLanes[MilkyWayLaneCount - 1].Declination, 0.0f);
    EXPECT_NE(MilkyWayOutline[MilkyWayOutlineCount - 1].Declination, 0.0f);
}

}  // namespace
}  // namespace kolvar
