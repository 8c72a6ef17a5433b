#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "catalog/constellation_names.h"
#include "catalog/deep_sky_names.h"
#include "catalog/greek_letters.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"

namespace kolvar {
namespace {

bool IsCatalogueStar(int hr) {
    return std::any_of(StarCatalogue.begin(), StarCatalogue.end(),
                       [hr](const StarRecord& s) { return s.HrNumber == hr; });
}

TEST(ConstellationNames, GenitiveJoinsThroughTheAbbreviation) {
    // Row 21 of the name table is Cetus; catalogue number 21 is Canis Minor.
    EXPECT_STREQ(ConstellationNameTable[21].Abbreviation, "Cet");
    EXPECT_EQ(GenitiveOfConstellation(21), "Canis Minoris");
    EXPECT_EQ(GenitiveOfConstellation(4), "Aquilae");
    EXPECT_EQ(GenitiveOfConstellation(0), "\xC1llat\xF6vi jegy");
    EXPECT_EQ(GenitiveOfConstellation(88), "Vulpeculae");
    for (int n = 0; n < ConstellationNameCount; ++n) {
        EXPECT_NE(GenitiveOfConstellation(n), " ? ") << ConstellationAbbreviations[n];
    }
}

TEST(ConstellationNames, OutOfRangeNumberGivesQuestionMark) {
    EXPECT_EQ(GenitiveOfConstellation(-1), " ? ");
    EXPECT_EQ(GenitiveOfConstellation(89), " ? ");
}

TEST(ConstellationNames, TextsAreWindows1250Bytes) {
    EXPECT_STREQ(ConstellationNameTable[57].HungarianName, "Sz\xF6gm\xE9r\xF6");
    EXPECT_STREQ(ConstellationNameTable[9].HungarianName, "\xD6k\xF6rhajcs\xE1r(Medvehajt\xF3)");
    EXPECT_STREQ(ConstellationNameTable[71].Genitive, "Sagttae");
    std::set<std::string> abbreviations;
    for (const ConstellationName& row : ConstellationNameTable) {
        EXPECT_EQ(std::strlen(row.Abbreviation), 3u);
        abbreviations.insert(row.Abbreviation);
    }
    EXPECT_EQ(abbreviations.size(), 89u);
}

TEST(StarNames, ProperNames) {
    EXPECT_EQ(ProperNameOf(15), "Alpheratz");
    EXPECT_EQ(ProperNameOf(2491), "Sirius");
    EXPECT_EQ(ProperNameOf(1), "");
    EXPECT_EQ(ProperNameOf(-5), "");
    EXPECT_EQ(ProperNameTable.front().HrNumber, 15);
    // Each name on the star the IAU gives it: Alnair is alpha Gru, not zeta Cen.
    EXPECT_EQ(ProperNameOf(8425), "Alnair");
    EXPECT_EQ(ProperNameOf(5231), "");
    EXPECT_EQ(ProperNameOf(2216), "Propus");
    EXPECT_EQ(ProperNameOf(2821), "");
    std::set<int> seen;
    std::set<std::string> names;
    for (const ProperNameRecord& row : ProperNameTable) {
        EXPECT_TRUE(IsCatalogueStar(row.HrNumber)) << row.HrNumber;
        EXPECT_TRUE(seen.insert(row.HrNumber).second) << "second name row for " << row.HrNumber;
        EXPECT_TRUE(names.insert(row.ProperName).second) << "a second star named " << row.ProperName;
        EXPECT_EQ(std::strlen(row.ProperName), 27u);
        EXPECT_NE(row.ProperName[0], ' ');
    }
}

TEST(StarNames, BayerDesignations) {
    const BayerDesignation almach = BayerOf(603);
    EXPECT_TRUE(almach.Found);
    EXPECT_EQ(almach.GreekLetter, "gamma");
    EXPECT_EQ(almach.Suffix, "1");
    const BayerDesignation alpheratz = BayerOf(15);
    EXPECT_EQ(alpheratz.GreekLetter, "alpha");
    EXPECT_EQ(alpheratz.Suffix, "");
    const BayerDesignation none = BayerOf(7874);  // 26 Vul has only a Flamsteed number
    EXPECT_FALSE(none.Found);
    EXPECT_EQ(none.GreekLetter, "");
    EXPECT_EQ(none.Suffix, "");
    int latin = 0;
    for (const BayerRecord& row : BayerTable) {
        ASSERT_LE(row.GreekLetter, 24);
        EXPECT_TRUE(IsCatalogueStar(row.HrNumber)) << row.HrNumber;
        if (row.GreekLetter == 0) {
            ++latin;
            EXPECT_NE(row.Suffix[0], ' ') << "a Latin row needs its letter";
        }
    }
    EXPECT_GT(latin, 0);
}

TEST(StarNames, FlamsteedNumbers) {
    const FlamsteedMatch alpheratz = FlamsteedOf(15);
    EXPECT_EQ(alpheratz.Number, 21);
    EXPECT_EQ(alpheratz.Position, 0);
    const FlamsteedMatch last = FlamsteedOf(7874);
    EXPECT_EQ(last.Number, 26);
    EXPECT_EQ(last.Position, static_cast<int>(FlamsteedTable.size()) - 1);
    const FlamsteedMatch canopus = FlamsteedOf(2326);  // no Flamsteed number
    EXPECT_EQ(canopus.Number, 0);
    EXPECT_EQ(canopus.Position, static_cast<int>(FlamsteedTable.size()));
}

// The catalogue's letter numbers, the names and the code points all meet in
// the one table: 1 is alpha, the small letters run from U+03B1 with only the
// final sigma's place skipped, and a Bayer row reads back its letter's name.
TEST(StarNames, GreekLetters) {
    for (std::size_t i = 0; i < GreekLetters.size(); ++i) {
        const GreekLetter& letter = GreekLetters[i];
        EXPECT_EQ(GreekLetterNumbered(static_cast<int>(i) + 1), &letter);
        EXPECT_EQ(GreekLetterNamed(letter.Name), &letter);
        EXPECT_EQ(letter.Small, U'\u03B1' + i + (i >= 17 ? 1 : 0)) << letter.Name;
    }
    EXPECT_EQ(GreekLetterNumbered(0), nullptr);
    EXPECT_EQ(GreekLetterNamed("digamma"), nullptr);
    EXPECT_EQ(BayerOf(7001).GreekLetter, "alpha");  // Vega, alpha Lyr
}

TEST(DeepSkyNames, MessierFirstThenNgc) {
    EXPECT_EQ(DeepSkyPopularName("M31 ", "NGC224"), "Vertex");
    EXPECT_EQ(DeepSkyPopularName("    ", "NGC869"), "Capulus");
    EXPECT_EQ(DeepSkyPopularName("M42", ""),
              "Ensis, Nagy Orion k\xF6"
              "d");
    // An unknown Messier name falls back to the NGC name.
    EXPECT_EQ(DeepSkyPopularName("M99 ", "NGC6523"),
              "Spiculum Lag\xFAna-k\xF6"
              "d");
    // Both keys are matched whole: "M4" is not "M42" or "M44".
    EXPECT_EQ(DeepSkyPopularName("M4  ", "NGC6121"), "");
    EXPECT_EQ(DeepSkyPopularName("", ""), "");
}

}  // namespace
}  // namespace kolvar
