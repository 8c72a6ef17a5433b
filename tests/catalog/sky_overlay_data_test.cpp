// Constellation figures, Hungarian constellation names and cities: guarded counts and quoted rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include "astro/angles.h"
#include "catalog/cities.h"
#include "catalog/constellation_figures.h"
#include "catalog/constellation_hungarian_names.h"
#include "catalog/star_catalogue.h"
#include "texts/runic_transliteration.h"

namespace kolvar {
namespace {

TEST(ConstellationFigures, LinesEndOnTheirStarsAndHoldTheKnownAsterisms) {
    const std::map<int, std::vector<int>> asterisms = {
        // HR numbers
        {83, {4301, 4295, 4554, 4660, 4905, 5054, 5191}},  // the Big Dipper
        {60, {2061, 1713, 1790, 1948, 1903, 1852, 2004}},
        {14, {21, 168, 264, 403, 542}}};  // Orion, Cas
    std::size_t onStars = 0;
    for (int c = 1; c <= 88; ++c) {
        const ConstellationFigure& figure = ConstellationFigureOf(c);
        EXPECT_TRUE(figure.Labels.size() == (c == 74 ? 2u : 1u) && figure.Rank >= 1 && figure.Rank <= 3) << c;
        std::vector<int> hr;  // Serpens (74) has a label on each half
        for (const FigurePolyline& line : figure.Lines) {
            for (const FigureVertex& v : line) {
                ASSERT_TRUE(v.RightAscension >= 0 && v.RightAscension < TwoPi) << c;
                if (v.Star == NoStar) continue;
                const StarRecord& s = StarCatalogue[static_cast<std::size_t>(v.Star)];
                const double dRa = std::remainder(v.RightAscension - s.RightAscension, TwoPi);
                EXPECT_LT(std::hypot(dRa * std::cos(s.Declination), v.Declination - s.Declination),
                          10 * Pi / 648000)
                    << c << " HR " << s.HrNumber;  // 10 arc seconds
                hr.push_back(s.HrNumber);
            }
        }
        EXPECT_FALSE(hr.empty()) << c;
        onStars += hr.size();
        for (int wanted : asterisms.contains(c) ? asterisms.at(c) : std::vector<int>{})
            EXPECT_NE(std::ranges::find(hr, wanted), hr.end()) << c << " HR " << wanted;
    }
    EXPECT_EQ(onStars, 890u);  // of 893 vertices
    EXPECT_NEAR(ConstellationFigureOf(83).Labels[0].Declination, 48.0 * Pi / 180, 1e-6);
    EXPECT_TRUE(ConstellationFigureOf(0).Lines.empty() && ConstellationFigureOf(89).Labels.empty());
}

TEST(ConstellationHungarianNames, QuotedRowsAndRunicNamesWrittenFromThem) {
    const std::map<int, std::string_view> quoted = {// Windows-1250
                                                    {83, "Nagy Medve"},
                                                    {9, "\xD6k\xF6rhajcs\xE1r"},
                                                    {14, "Kassziopeia"},  // names the runes came from
                                                    {3, "Paradicsommad\xE1r"},
                                                    {87, "Rep\xFCl\xF5hal"}};  // sky-culture translation
    for (const auto& [c, name] : quoted) EXPECT_EQ(HungarianNameOfConstellation(c), name) << c;
    int withRunic = 0;
    for (int c = 0; c <= 89; ++c) {
        const std::string_view name = HungarianNameOfConstellation(c), rune = RunicNameOfConstellation(c);
        EXPECT_EQ(name.empty(), c == 0 || c == 89) << c;
        withRunic += rune.empty() ? 0 : 1;
        EXPECT_TRUE(rune.empty() || rune == TransliterateToRunes(name, HungarianEncoding::Windows1250)) << c;
    }
    EXPECT_EQ(withRunic, 69);
}

constexpr int Arcsec(int d, int m, int s) { return (d * 60 + m) * 60 + s; }

TEST(Cities, QuotedRowsAndHungarianTowns) {
    struct Case {
        const char* Name;
        const char* Country;
        int Lat, Lon;
        double Zone;
        std::string_view Rule;
    };
    const Case cases[] = {
        {"Debrecen", "Hungary", Arcsec(47, 33, 6), Arcsec(21, 37, 6), 1.0, "EU"},
        {"Budapest", "Hungary", Arcsec(47, 29, 6), Arcsec(19, 3, 45), 1.0, "EU"},
        {"Gy\xF5r", "Hungary", Arcsec(47, 41, 2), Arcsec(17, 38, 2), 1.0, "EU"},
        {"Sao Paulo", "Brazil", -Arcsec(23, 32, 51), -Arcsec(46, 37, 59), -3.0, "BZ"},
        {"Altenstadt", "Germany", Arcsec(47, 50, 2), Arcsec(10, 52, 4), 1.0, "EU"}};  // source: 47.8339 deg
    for (const Case& k : cases) {
        const auto city = std::ranges::find_if(Cities(), [&](const CityRecord& r) {
            return std::string_view(r.Name) == k.Name && std::string_view(r.Country) == k.Country;
        });
        ASSERT_NE(city, Cities().end()) << k.Name;
        EXPECT_EQ(std::tuple(city->LatitudeArcsec, city->LongitudeArcsec, city->ZoneHours),
                  std::tuple(k.Lat, k.Lon, k.Zone))
            << k.Name;
        EXPECT_EQ(city->SummerTimeRule, k.Rule) << k.Name;
    }
    EXPECT_EQ(std::ranges::count_if(Cities(),
                                    [](const CityRecord& r) {
                                        return std::string_view(r.Country) == "Hungary" && r.ZoneHours == 1.0;
                                    }),
              20);
}

// A town is told from every other by its name, province and country (the
// source's second "Lusaka, Zambia" is dropped), so --city can name each one.
TEST(Cities, NoTwoTownsShareNameProvinceAndCountry) {
    std::set<std::tuple<std::string_view, std::string_view, std::string_view>> seen;
    for (const CityRecord& c : Cities())
        EXPECT_TRUE(seen.emplace(c.Name, c.Province, c.Country).second) << c.Name << ", " << c.Country;
}

// The summer-time rule a town offers, at the two EU switches of 2024
// (31 March and 27 October, 01:00 UT), and whether a place is still a town's.
TEST(Cities, SummerTimeRulesAndPlacesOfTowns) {
    const double minute = 1.0 / 1440, spring = 2460400.5 + 60 * minute, autumn = 2460610.5 + 60 * minute;
    const struct {
        std::string_view Rule;
        double Jd;
        std::optional<bool> Summer;
    } rules[] = {{"EU", spring - minute, false}, {"EU", spring + minute, true},
                 {"EU", autumn - minute, true},  {"EU", autumn + minute, false},
                 {"--", spring + 90, false},     {"US", spring + 90, std::nullopt}};
    for (const auto& r : rules) EXPECT_EQ(SummerTimeByRule(r.Rule, r.Jd), r.Summer) << r.Rule << " " << r.Jd;

    const double arcsec = 3.141592653589793 / (180 * 3600);
    const CityRecord debrecen{"Debrecen", "", "Hungary", Arcsec(47, 33, 6), Arcsec(21, 37, 6), 1.0, "EU"};
    const double lat = CityLatitude(debrecen), lon = CityLongitude(debrecen);
    EXPECT_TRUE(CityIsAt(debrecen, lat + 0.9 * arcsec, lon - 0.9 * arcsec));
    EXPECT_TRUE(CityIsAt(debrecen, lat, lon + 2 * 3.141592653589793));  // a longitude held past a turn
    EXPECT_FALSE(CityIsAt(debrecen, lat + 1.5 * arcsec, lon));
    EXPECT_FALSE(CityIsAt(debrecen, lat, lon + 1.5 * arcsec));
}

}  // namespace
}  // namespace kolvar
