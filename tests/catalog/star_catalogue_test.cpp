#include "catalog/star_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "astro/angles.h"

namespace kolvar {
namespace {

class StarCatalogueTest : public ::testing::Test {
protected:
    static const StarRecord& StarWithHr(int hr) {
        const auto it = std::find_if(StarCatalogue.begin(), StarCatalogue.end(),
                                     [hr](const StarRecord& s) { return s.HrNumber == hr; });
        EXPECT_NE(it, StarCatalogue.end()) << "HR " << hr;
        return *it;
    }
};

constexpr double ArcsecPerRadian = 180.0 / Pi * 3600.0;

double Separation(double a1, double d1, double a2, double d2) {
    const double c = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(a1 - a2);
    return std::acos(std::clamp(c, -1.0, 1.0));
}

TEST_F(StarCatalogueTest, ConstellationsHrNumbersAndOrder) {
    std::set<int> hrNumbers;
    std::set<int> constellations;
    for (std::size_t i = 0; i < StarCatalogue.size(); ++i) {
        const StarRecord& s = StarCatalogue[i];
        ASSERT_GE(s.Constellation, 1);
        ASSERT_LE(s.Constellation, 88);
        ASSERT_GE(s.HrNumber, 1);
        ASSERT_LE(s.HrNumber, 9110);
        EXPECT_TRUE(hrNumbers.insert(s.HrNumber).second) << "duplicate HR " << s.HrNumber;
        constellations.insert(s.Constellation);
        ASSERT_GE(s.MagnitudeClass, -1);
        ASSERT_LE(s.MagnitudeClass, 7);
        if (i > 0) {
            const StarRecord& p = StarCatalogue[i - 1];
            // Sorted by constellation, then brightest magnitude class first.
            ASSERT_TRUE(p.Constellation < s.Constellation ||
                        (p.Constellation == s.Constellation && p.MagnitudeClass <= s.MagnitudeClass))
                << "order broken at " << i;
        }
    }
    EXPECT_EQ(constellations.size(), 88u) << "every constellation has a star";
    EXPECT_EQ(std::count_if(StarCatalogue.begin(), StarCatalogue.end(),
                            [](const StarRecord& s) { return s.MagnitudeClass == -1; }),
              1);
}

TEST_F(StarCatalogueTest, CoordinatesAreInRange) {
    for (const StarRecord& s : StarCatalogue) {
        ASSERT_GE(s.RightAscension, 0.0f);
        ASSERT_LT(s.RightAscension, static_cast<float>(TwoPi));
        ASSERT_LE(std::fabs(s.Declination), static_cast<float>(Pi / 2));
    }
}

TEST_F(StarCatalogueTest, QuotedRows) {
    const StarRecord& alpheratz = StarCatalogue[0];
    EXPECT_EQ(alpheratz.Constellation, 1);
    EXPECT_EQ(alpheratz.HrNumber, 15);
    EXPECT_EQ(alpheratz.RightAscension, static_cast<float>(HmsToRadians(0, 8, 23.3f)));
    EXPECT_EQ(alpheratz.Declination, static_cast<float>(DmsToRadians('+', 29, 5, 26.0f)));
    EXPECT_FLOAT_EQ(alpheratz.ProperMotionRa, 0.136f);
    EXPECT_FLOAT_EQ(alpheratz.ProperMotionDec, -0.163f);
    EXPECT_EQ(alpheratz.MagnitudeClass, 2);
    EXPECT_EQ(alpheratz.SpectralClass, 'B');

    EXPECT_EQ(StarCatalogue[1].HrNumber, 337);
    EXPECT_EQ(StarCatalogue[1].RightAscension, static_cast<float>(HmsToRadians(1, 9, 43.9f)));
    EXPECT_EQ(StarCatalogue[1].SpectralClass, 'M');
    EXPECT_EQ(StarCatalogue[2].HrNumber, 603);
    EXPECT_EQ(StarCatalogue[2].Declination, static_cast<float>(DmsToRadians('+', 42, 19, 47.0f)));
    EXPECT_EQ(StarCatalogue[2].SpectralClass, 'K');

    const StarRecord& last = StarCatalogue[StarCount - 1];
    EXPECT_EQ(last.HrNumber, 7874);
    EXPECT_EQ(last.Constellation, 88);
    EXPECT_EQ(last.RightAscension, static_cast<float>(HmsToRadians(20, 36, 8.3f)));
    EXPECT_EQ(last.MagnitudeClass, 6);
    EXPECT_EQ(last.SpectralClass, 'A');
}

TEST_F(StarCatalogueTest, BrightStarsTruncateTowardZero) {
    const StarRecord& sirius = StarWithHr(2491);
    EXPECT_EQ(sirius.Constellation, 20);  // CMa
    EXPECT_EQ(sirius.MagnitudeClass, -1);
    EXPECT_FLOAT_EQ(sirius.ProperMotionRa, -0.553f);
    EXPECT_FLOAT_EQ(sirius.ProperMotionDec, -1.205f);
    // Canopus is -0.72, which truncates to 0, not -1.
    EXPECT_EQ(StarWithHr(2326).MagnitudeClass, 0);
    EXPECT_EQ(StarWithHr(2326).Constellation, 13);  // Car
}

TEST_F(StarCatalogueTest, SouthernSignAppliesToWholeAngle) {
    // Canopus: -52 41 45; a sign lost on the degrees would put it north.
    EXPECT_EQ(StarWithHr(2326).Declination, static_cast<float>(DmsToRadians('-', 52, 41, 45.0f)));
    EXPECT_LT(StarWithHr(2326).Declination, 0.0f);
}

TEST_F(StarCatalogueTest, ProperMotionAtEpochLeavesPositionUnchanged) {
    for (const int index : {0, 1000, 3274}) {
        const StarRecord& s = StarCatalogue[static_cast<std::size_t>(index)];
        const SphericalPosition p = ApplyProperMotion(s, 2451454.5);
        double ra = p.Longitude;
        if (ra < 0) ra += TwoPi;
        EXPECT_NEAR(ra, s.RightAscension, 1e-12);
        EXPECT_NEAR(p.Latitude, s.Declination, 1e-12);
        EXPECT_EQ(p.Distance, InfinitelyFar);
    }
}

TEST_F(StarCatalogueTest, ArcturusMovesAbout114ArcsecondsInFiftyYears) {
    const StarRecord& arcturus = StarWithHr(5340);
    EXPECT_FLOAT_EQ(arcturus.ProperMotionRa, -1.093f);
    EXPECT_FLOAT_EQ(arcturus.ProperMotionDec, -1.998f);
    const SphericalPosition p = ApplyProperMotion(arcturus, 2451454.5 + 50 * 365.25);
    const double moved = Separation(p.Longitude, p.Latitude, arcturus.RightAscension, arcturus.Declination);
    EXPECT_NEAR(moved * ArcsecPerRadian, 113.9, 0.2);
    EXPECT_NEAR((p.Latitude - arcturus.Declination) * ArcsecPerRadian, -1.998 * 50, 0.1);
    const double eastWest = WrapPi(p.Longitude - arcturus.RightAscension) * std::cos(arcturus.Declination);
    EXPECT_NEAR(eastWest * ArcsecPerRadian, -1.093 * 50, 0.1);
}

TEST_F(StarCatalogueTest, EastWestMotionIsAGreatCircleRateAtHighDeclination) {
    // Polaris (+89 deg): its right-ascension rate is a great-circle rate and
    // must not shrink with cos(dec).
    const StarRecord& polaris = StarWithHr(424);
    const double years = 100;
    const SphericalPosition p = ApplyProperMotion(polaris, 2451454.5 + years * 365.25);
    const double moved = Separation(p.Longitude, p.Latitude, polaris.RightAscension, polaris.Declination);
    const double expected = std::hypot(polaris.ProperMotionRa, polaris.ProperMotionDec) * years;
    EXPECT_NEAR(moved * ArcsecPerRadian, expected, 0.01 * expected);
}

}  // namespace
}  // namespace kolvar
