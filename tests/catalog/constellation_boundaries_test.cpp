// The constellation of a direction by the boundaries of Roman (1987): known
// places, and the bright catalogue's own constellation of every star.
#include "catalog/constellation_boundaries.h"

#include <gtest/gtest.h>

#include "catalog/constellation_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/star_catalogue.h"
#include "catalog/static_tables.h"

namespace kolvar {
namespace {

constexpr double Degree = 3.141592653589793 / 180.0;

std::string AbbreviationAt(double raDegrees, double decDegrees) {
    return ConstellationAbbreviations[static_cast<std::size_t>(
        ConstellationAt(raDegrees * Degree, decDegrees * Degree))];
}

TEST(ConstellationBoundaries, NameTheConstellationOfADirection) {
    const struct {
        double Ra, Dec;
        const char* Abbreviation;
    } places[] = {{37.95, 89.26, "UMi"}, {88.79, 7.41, "Ori"}, {10.68, 41.27, "And"}, {101.29, -16.72, "CMa"},
                  {0.0, -89.9, "Oct"},   {283.4, 33.0, "Lyr"}, {266.4, -29.0, "Sgr"}, {201.3, -11.2, "Vir"},
                  {359.9, 0.1, "Psc"},   {83.63, 22.01, "Tau"}};  // the Crab Nebula
    for (const auto& p : places)
        EXPECT_EQ(AbbreviationAt(p.Ra, p.Dec), p.Abbreviation) << p.Ra << " " << p.Dec;
}

TEST(ConstellationBoundaries, AgreeWithTheCatalogues) {
    InitStaticTables();
    int differ = 0;
    for (const StarRecord& s : StarCatalogue)
        differ += ConstellationAt(s.RightAscension, s.Declination) != s.Constellation;
    EXPECT_LE(differ, 3);  // stars a hair from a boundary, their places rounded in the table
    for (const DeepSkyRecord& d : DeepSkyCatalogue)
        EXPECT_EQ(ConstellationAt(d.RightAscension, d.Declination), d.Constellation) << d.NgcName;
}

}  // namespace
}  // namespace kolvar
