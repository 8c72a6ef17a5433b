// Constellation figures, Hungarian constellation names and the city table:
// counts, structure and quoted rows of the generated tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "astro/angles.h"
#include "catalog/cities.h"
#include "catalog/constellation_figures.h"
#include "catalog/constellation_hungarian_names.h"
#include "catalog/runic_transliteration.h"
#include "catalog/star_catalogue.h"

namespace kolvar {
namespace {

constexpr double ArcsecPerRadian = 180.0 / Pi * 3600.0;

double SeparationArcsec(double a1, double d1, double a2, double d2) {
    const double c = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(a1 - a2);
    return std::acos(std::clamp(c, -1.0, 1.0)) * ArcsecPerRadian;
}

TEST(ConstellationFigures, EveryConstellationHasLinesOnItsStarsAndALabel) {
    InitStarCatalogue();
    int lines = 0, vertices = 0, onStars = 0;
    for (int c = 1; c <= 88; ++c) {
        const ConstellationFigure& figure = ConstellationFigureOf(c);
        ASSERT_FALSE(figure.Lines.empty()) << c;
        EXPECT_EQ(figure.Labels.size(), c == 74 ? 2u : 1u) << c;  // Serpens Caput and Cauda
        EXPECT_GE(figure.Rank, 1);
        EXPECT_LE(figure.Rank, 3);
        for (const FigurePolyline& line : figure.Lines) {
            EXPECT_GE(line.size(), 2u) << c;
            for (const FigureVertex& v : line) {
                ASSERT_GE(v.RightAscension, 0.0f);
                ASSERT_LT(v.RightAscension, TwoPi);
                ASSERT_LE(std::abs(v.Declination), Pi / 2);
                if (v.Star == NoStar) continue;
                const StarRecord& star = StarCatalogue[static_cast<std::size_t>(v.Star)];
                EXPECT_LE(SeparationArcsec(v.RightAscension, v.Declination, star.RightAscension, star.Declination),
                          10.0) << "constellation " << c << " HR " << star.HrNumber;
                ++onStars;
            }
            vertices += static_cast<int>(line.size());
        }
        lines += static_cast<int>(figure.Lines.size());
    }
    EXPECT_EQ(lines, FigurePolylineCount);
    EXPECT_EQ(vertices, FigureVertexCount);
    EXPECT_EQ(onStars, 890);
    EXPECT_TRUE(ConstellationFigureOf(0).Lines.empty());
    EXPECT_TRUE(ConstellationFigureOf(89).Labels.empty());
}

TEST(ConstellationFigures, KnownAsterismsEndOnTheirCatalogueStars) {
    struct Case {
        int Constellation;
        std::vector<int> HrNumbers;
        double LabelRaDeg, LabelDecDeg;
    };
    const Case cases[] = {
        {83, {4301, 4295, 4554, 4660, 4905, 5054, 5191}, 165.0, 48.0},  // the Big Dipper
        {60, {2061, 1713, 1790, 1948, 1903, 1852, 2004}, 84.0, 13.0},    // Orion's shoulders, feet, belt
        {14, {21, 168, 264, 403, 542}, 354.0, 55.5},                   // the W of Cassiopeia
    };
    InitStarCatalogue();
    for (const Case& k : cases) {
        const ConstellationFigure& figure = ConstellationFigureOf(k.Constellation);
        std::vector<int> hr;
        for (const FigurePolyline& line : figure.Lines) {
            for (const FigureVertex& v : line) {
                if (v.Star != NoStar) hr.push_back(StarCatalogue[static_cast<std::size_t>(v.Star)].HrNumber);
            }
        }
        for (int wanted : k.HrNumbers) {
            EXPECT_NE(std::find(hr.begin(), hr.end(), wanted), hr.end()) << k.Constellation << " HR " << wanted;
        }
        EXPECT_NEAR(figure.Labels[0].RightAscension, k.LabelRaDeg * Pi / 180, 1e-6) << k.Constellation;
        EXPECT_NEAR(figure.Labels[0].Declination, k.LabelDecDeg * Pi / 180, 1e-6) << k.Constellation;
    }
}

TEST(ConstellationHungarianNames, QuotedRowsAndRunicNamesWrittenFromThem) {
    struct Case {
        int Constellation;
        const char* Hungarian;  // Windows-1250
        bool HasRunic;
    };
    const Case cases[] = {
        {83, "Nagy Medve", true},
        {9, "\xD6k\xF6rhajcs\xE1r", true},       // Boo: the first of its two runic names
        {14, "Kassziopeia", true},               // spelt as the runic table spells it
        {3, "Paradicsommad\xE1r", false},        // Aps: from the sky-culture translation
        {87, "Rep\xFCl\xF5hal", false},          // Vol: with o double acute (0xF5)
    };
    for (const Case& k : cases) {
        EXPECT_EQ(HungarianNameOfConstellation(k.Constellation), k.Hungarian);
        EXPECT_EQ(RunicNameOfConstellation(k.Constellation).empty(), !k.HasRunic) << k.Constellation;
    }
    int withRunic = 0;
    for (int c = 1; c <= 88; ++c) {
        const std::string_view name = HungarianNameOfConstellation(c);
        EXPECT_FALSE(name.empty()) << c;
        const std::string_view runic = RunicNameOfConstellation(c);
        if (runic.empty()) continue;
        ++withRunic;
        EXPECT_EQ(runic, TransliterateToRunes(name, HungarianEncoding::Windows1250)) << c;
    }
    EXPECT_EQ(withRunic, 69);
    EXPECT_TRUE(HungarianNameOfConstellation(0).empty());
    EXPECT_TRUE(RunicNameOfConstellation(89).empty());
}

const CityRecord* FindCity(std::string_view name, std::string_view country) {
    for (const CityRecord& city : Cities()) {
        if (city.Name == name && city.Country == country) return &city;
    }
    return nullptr;
}

TEST(Cities, QuotedRows) {
    struct Case {
        const char* Name;  // Windows-1250
        const char* Country;
        int LatD, LatM, LatS, LonD, LonM, LonS;  // signs on the degrees
        double Zone;
        const char* Rule;
    };
    const Case cases[] = {
        {"Debrecen", "Hungary", 47, 33, 6, 21, 37, 6, 1.0, "EU"},
        {"Budapest", "Hungary", 47, 29, 6, 19, 3, 45, 1.0, "EU"},
        {"Gy\xF5r", "Hungary", 47, 41, 2, 17, 38, 2, 1.0, "EU"},
        {"New York", "USA", 40, 45, 6, -73, 59, 39, -5.0, "US"},
        {"Sydney", "Australia", -33, 54, 59, 151, 16, 59, 10.0, "AU"},
        {"Kathmandu", "Nepal", 27, 49, 0, 85, 20, 59, 5.75, "--"},
        {"Sao Paulo", "Brazil", -23, 32, 51, -46, 37, 59, -3.0, "BZ"},  // a-tilde lost its accent
        {"Altenstadt", "Germany", 47, 50, 2, 10, 52, 4, 1.0, "EU"},     // source latitude 47.8339 degrees
    };
    auto arcsec = [](int d, int m, int s) { return (d < 0 ? -1 : 1) * (std::abs(d) * 3600 + m * 60 + s); };
    for (const Case& k : cases) {
        const CityRecord* city = FindCity(k.Name, k.Country);
        ASSERT_NE(city, nullptr) << k.Name;
        EXPECT_EQ(city->LatitudeArcsec, arcsec(k.LatD, k.LatM, k.LatS)) << k.Name;
        EXPECT_EQ(city->LongitudeArcsec, arcsec(k.LonD, k.LonM, k.LonS)) << k.Name;
        EXPECT_EQ(city->ZoneHours, k.Zone) << k.Name;
        EXPECT_STREQ(city->SummerTimeRule, k.Rule) << k.Name;
    }
    const CityRecord& debrecen = *FindCity("Debrecen", "Hungary");
    EXPECT_NEAR(CityLatitude(debrecen), (47 + 33 / 60.0 + 6 / 3600.0) * Pi / 180, 1e-12);
    EXPECT_NEAR(CityLongitude(debrecen), (21 + 37 / 60.0 + 6 / 3600.0) * Pi / 180, 1e-12);
}

TEST(Cities, CountAndHungarianTowns) {
    ASSERT_EQ(Cities().size(), static_cast<std::size_t>(CityCount));
    EXPECT_EQ(&CityAt(CityCount - 1), &Cities().back());
    int hungarian = 0;
    for (const CityRecord& city : Cities()) {
        ASSERT_LE(std::abs(city.LatitudeArcsec), 90 * 3600) << city.Name;
        ASSERT_LE(std::abs(city.LongitudeArcsec), 180 * 3600) << city.Name;
        if (std::string_view(city.Country) != "Hungary") continue;
        ++hungarian;
        EXPECT_EQ(city.ZoneHours, 1.0) << city.Name;
        EXPECT_STREQ(city.SummerTimeRule, "EU") << city.Name;
    }
    EXPECT_EQ(hungarian, 20);
}

}  // namespace
}  // namespace kolvar
