// Where the programs find the deep star file: installed beside the program,
// else in the sources they were built from.
#include "appcore/deep_star_catalogue.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

TEST(DeepStarCatalogue, InstalledPlaceFirstThenTheSources) {
    const auto places = DeepStarFilePlaces("/opt/kolvar/bin");
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0], "/opt/kolvar/share/kolvar/deep_stars.kds");
    EXPECT_EQ(places[1], std::filesystem::path(KOLVAR_SOURCE_DIR) / "data" / "deep_stars.kds");
    // A test runs from its build tree: the sources' file opens.
    EXPECT_TRUE(ProgramDeepStars().IsOpen()) << ProgramDeepStars().Error();
    EXPECT_EQ(&ProgramDeepStars(), &ProgramDeepStars());
}

}  // namespace
}  // namespace kolvar
