// The texts of the two labels: which rows each kind of object gets, and which
// runic names, in which order and how they are drawn.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/constellation_names.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/runic_names.h"
#include "catalog/star_catalogue.h"
#include "catalog/star_names.h"
#include "identify/label_pictures.h"
#include "identify/label_text.h"
#include "identify_test_setup.h"

namespace kolvar {
namespace {

class LabelText : public ::testing::Test {
protected:
    void SetUp() override { testing::InitialiseIdentifyTables(); }

    static LabelRows StarRows(int hr, int size = 12) {
        const int index = testing::StarIndexOfHr(hr);
        EXPECT_GE(index, 0) << "HR " << hr;
        return ComposeLabelRows(testing::StarSelection(index), size);
    }
    static std::vector<std::string> Texts(const LabelRows& rows) {
        std::vector<std::string> texts;
        for (const LabelRow& r : rows) texts.push_back(r.Text);
        return texts;
    }
    // The HR number of the first star of Andromeda that `wanted` accepts.
    template <typename Predicate>
    static int AndromedaStar(Predicate wanted) {
        for (const StarRecord& s : StarCatalogue)
            if (s.Constellation == 1 && wanted(s.HrNumber)) return s.HrNumber;
        return -1;
    }
};

TEST_F(LabelText, StarRows) {
    const LabelRows alpheratz = StarRows(15, 12);
    EXPECT_EQ(Texts(alpheratz), (std::vector<std::string>{"a  ", "  Andromedae", "Alpheratz", "", ""}));
    EXPECT_EQ(alpheratz[0].Face, "Symbol");
    EXPECT_EQ(alpheratz[0].Size, 13);
    EXPECT_EQ(alpheratz[0].Colour, colours::White);
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(alpheratz[i].Face, "Arial");
        EXPECT_EQ(alpheratz[i].Size, 12);
        EXPECT_EQ(alpheratz[i].Colour, colours::Green);
    }
    const LabelRows almach = StarRows(603);  // gamma 1
    EXPECT_EQ(almach[0].Text, "g  ");
    EXPECT_EQ(almach[1].Text, "1  Andromedae");

    const int flamsteedOnly =
        AndromedaStar([](int hr) { return !BayerOf(hr).Found && FlamsteedOf(hr).Number > 0; });
    ASSERT_GT(flamsteedOnly, 0);
    const LabelRows f = StarRows(flamsteedOnly);
    EXPECT_EQ(f[0].Text, " ");
    EXPECT_EQ(
        f[1].Text,
        std::string(" ").append(std::to_string(FlamsteedOf(flamsteedOnly).Number)).append(" Andromedae"));

    int undesignated = -1;  // Andromeda has none
    for (const StarRecord& s : StarCatalogue)
        if (undesignated < 0 && !BayerOf(s.HrNumber).Found && FlamsteedOf(s.HrNumber).Number == 0)
            undesignated = s.HrNumber;
    ASSERT_GT(undesignated, 0);
    const int constellation =
        StarCatalogue[static_cast<std::size_t>(testing::StarIndexOfHr(undesignated))].Constellation;
    EXPECT_EQ(StarRows(undesignated)[1].Text, "  " + GenitiveOfConstellation(constellation));
}

TEST_F(LabelText, GreekLetterOfTheSymbolFace) {
    EXPECT_EQ(GreekToSymbolLetter("alpha"), "a ");
    EXPECT_EQ(GreekToSymbolLetter("theta"), "q ");
    EXPECT_EQ(GreekToSymbolLetter("omega"), "w ");
    EXPECT_EQ(GreekToSymbolLetter("upsilon2"), "u ");  // compared over the letter name's length
    EXPECT_EQ(GreekToSymbolLetter("alph"), "");
    EXPECT_EQ(GreekToSymbolLetter(""), "");
}

TEST_F(LabelText, ClusterMembersOnlyInTaurus) {
    const int alcyone = testing::StarIndexOfHr(1165);
    const int hyad = testing::StarIndexOfHr(1412);
    ASSERT_GE(alcyone, 0);
    ASSERT_GE(hyad, 0);
    EXPECT_EQ(StarRows(1165)[4].Text,
              "Plej\xE1"
              "dok");
    EXPECT_EQ(StarRows(1412)[4].Text, "Hyadok");

    const RunicNameTables& tables = RunicNames();
    auto endsWith = [](const RunicNameList& list, const std::vector<RunicGroupName>& group) {
        if (list.Names.size() < group.size()) return false;
        return std::equal(group.begin(), group.end(),
                          list.Names.end() - static_cast<std::ptrdiff_t>(group.size()),
                          [](const RunicGroupName& g, const std::string& n) { return g.RunicName == n; });
    };
    ASSERT_EQ(tables.PleiadesRunicNames.size(), 9u);
    ASSERT_EQ(tables.HyadesRunicNames.size(), 2u);
    EXPECT_TRUE(endsWith(CollectRunicNames(testing::StarSelection(alcyone)), tables.PleiadesRunicNames));
    EXPECT_TRUE(endsWith(CollectRunicNames(testing::StarSelection(hyad)), tables.HyadesRunicNames));

    // The same HR numbers in another constellation belong to no cluster.
    for (const int index : {alcyone, hyad}) {
        const StarRecord& star = StarCatalogue[static_cast<std::size_t>(index)];
        EXPECT_NE(RunicClusterOfStar(star.Constellation, star.HrNumber), RunicCluster::None);
        EXPECT_EQ(RunicClusterOfStar(60, star.HrNumber), RunicCluster::None);  // Orion
    }
}

TEST_F(LabelText, DeepSkyRows) {
    int capulus = -1, m31 = -1;
    for (int i = 0; i < DeepSkyCount; ++i) {
        const std::string ngc = DeepSkyCatalogue[static_cast<std::size_t>(i)].NgcName;
        if (ngc == "NGC869") capulus = i;
        if (ngc == "NGC224") m31 = i;
    }
    ASSERT_GE(capulus, 0);
    ASSERT_GE(m31, 0);
    EXPECT_EQ(Texts(ComposeLabelRows(testing::DeepSkySelection(capulus), 12)),
              (std::vector<std::string>{"", "Persei", "Capulus", "", " NGC869"}));
    EXPECT_EQ(Texts(ComposeLabelRows(testing::DeepSkySelection(m31), 12)),
              (std::vector<std::string>{"", "Andromedae", "Vertex", "", "M31 NGC224"}));
}

TEST_F(LabelText, SunMoonAndPlanetRows) {
    const LabelRows sun = ComposeLabelRows(testing::BodySelection(KindSun, 0, 0), 20);
    EXPECT_EQ(Texts(sun), (std::vector<std::string>{"Kos ", "\x9F", "Nap ", "\x95", ""}));
    for (const int glyphRow : {1, 3}) {
        EXPECT_EQ(sun[glyphRow].Face, "Runex23x");
        EXPECT_EQ(sun[glyphRow].Size, 21);
        EXPECT_EQ(sun[glyphRow].Colour, colours::Cyan);
    }
    EXPECT_EQ(Texts(ComposeLabelRows(testing::BodySelection(KindMoon, 0, 11), 12)),
              (std::vector<std::string>{"Halak ", "\xAA", "Hold ", "\x96", ""}));
    EXPECT_EQ(Texts(ComposeLabelRows(testing::BodySelection(KindPlanet, 6, 5), 12)),
              (std::vector<std::string>{"Sz\xFBz ", "\xA4", "Neptunusz ", "\x9D", ""}));
}

TEST_F(LabelText, RunicNamesOfBodiesByNameAloneAndAsDrawn) {
    const RunicNameList aries = CollectRunicNames(testing::BodySelection(KindPlanet, 1, 0));
    const RunicNameList leo = CollectRunicNames(testing::BodySelection(KindPlanet, 1, 4));
    ASSERT_GE(aries.PrimaryCount, 1);
    EXPECT_EQ(aries.Names, leo.Names);
    EXPECT_EQ(aries.PrimaryCount, leo.PrimaryCount);
    EXPECT_EQ(aries.Names[0], RunicNames().RunicNameTableA[3].RunicName);  // the Venus record

    RunicNameList list;
    list.Names = {"abc", std::string(130, 'x') + "y", ""};
    list.PrimaryCount = 1;
    const std::vector<std::string> drawn = RunicLinesAsDrawn(list);
    EXPECT_EQ(drawn, (std::vector<std::string>{"cba", std::string(127, 'x') + "=", "="}));
}

TEST_F(LabelText, StyledTextRestoresFaceSizeAndPenButNotFontAndBrush) {
    Bitmap picture(100, 40, colours::Black);
    Canvas canvas(picture);
    canvas.SetFontFace("Runex23x");
    canvas.SetFontSize(7);
    canvas.SetPenColour(colours::Yellow);
    canvas.SetBrushColour(colours::Black);
    LabelRow row{"Nap", "Arial", 14, colours::Cyan};
    const StyledTextMeasure m = MeasureStyledText(canvas, row);
    EXPECT_GT(m.Extent.Width, 0);
    EXPECT_EQ(m.Extent.Height, m.Metrics.Ascent + m.Metrics.Descent);
    EXPECT_EQ(m.Extent.Height, StyledTextMetrics(canvas, row).Height);
    DrawStyledText(canvas, 0, 0, row);
    EXPECT_EQ(canvas.FontFace(), "Runex23x");
    EXPECT_EQ(canvas.FontSize(), 7);
    EXPECT_EQ(canvas.PenColour(), colours::Yellow);
    EXPECT_EQ(canvas.FontColour(), colours::Cyan);
    EXPECT_EQ(canvas.BrushColour(), colours::Navy);
    EXPECT_EQ(picture.Pixel(0, 0), colours::Navy);  // the text cell in the brush colour
}

}  // namespace
}  // namespace kolvar
