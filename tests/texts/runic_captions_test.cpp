#include "texts/runic_captions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "texts/help_text.h"
#include "texts/interface_captions.h"
#include "texts/runic_transliteration.h"
#include "texts/time_captions.h"

namespace kolvar {
namespace {

// "20 60 F6" -> the bytes.
std::string Hex(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    return out;
}

TEST(RunicCaptions, MenuCaptionTableIsByteExact) {
    const char* expected[kMenuItemCount] = {
        "20 60 F6 6C 65 F0 69 66 67 65 6D 20",
        "20 60 F6 64 69 20",
        "20 F8 65 68 20",
        "20 74 61 72 60 61 6A 69 6B 20",
        "20 74 65 72 E9 6D FC 74 65 62 20",
        "20 6C 65 76 F6 6E 20",
        "20 74 60 69 72 6F 67 75 E6 20",
        "20 60 6F 74 61 74 7A 6F 6B E9 6A 60 61 74 20",
        "20 F8 E9 67 65 73 20",
    };
    for (std::size_t i = 0; i < kMenuItemCount; ++i) {
        EXPECT_EQ(RunicCaptionTable[i].Caption, Hex(expected[i])) << "menu item " << i;
        EXPECT_EQ(RunicCaptionTable[i].FontName, "runex23x");
    }
}

TEST(RunicCaptions, WeekdayNamesAreByteExactAndFitTheirSlots) {
    const char* expected[7] = {
        "70 61 6E 72 60 61 73 61 76", "60 F6 66 74 E9 68", "60 64 65 6B",    "61 64 72 65 DF",
        "6B F6 74 72 F6 74 FC E7",    "6B 65 74 6E E9 70", "74 61 B5 6F DF",
    };
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(WeekdayRunicNames[i].Runic, Hex(expected[i])) << "weekday " << i;
        EXPECT_LT(WeekdayRunicNames[i].Runic.size(), kWeekdayNameSlot);  // room for the terminator
    }
}

TEST(RunicCaptions, TimeDialogCaptionsAreByteExact) {
    const TimeDlgRunicCaptions& c = TimeDlgCaptions;
    EXPECT_EQ(c.OkButton1.Runic, Hex("6E 65 F0 65 6C"));
    EXPECT_EQ(c.EscButton1.Runic, Hex("61 60 E4 69 76"));
    EXPECT_EQ(c.Label1.Runic, Hex("20 65 6A 65 64 69 20 73 E9 6C 65 F0 69 66 67 65 6D 20 61 20"));
    EXPECT_EQ(c.Label2.Runic, Hex("72 60 61 74 70 61 6E 20 F8 65 67 72 65 67"));
    EXPECT_EQ(c.YearLabel.Runic, Hex("76 E9"));
    EXPECT_EQ(c.MonthLabel.Runic, Hex("60 6F 68"));
    EXPECT_EQ(c.DayLabel.Runic, Hex("70 61 6E"));
    EXPECT_EQ(c.HourLabel.Runic, Hex("61 72 60 6F"));
    EXPECT_EQ(c.Label3.Runic, Hex("63 72 65 70"));
    EXPECT_EQ(c.SecLabel.Runic, Hex("B5"));
    EXPECT_EQ(c.NowButton1.Runic, Hex("74 73 6F 6D"));
    EXPECT_EQ(c.Label7.Runic, Hex("61 6E 60 6F 7A 60 F6 64 69"));
    EXPECT_EQ(c.SummerTime.Runic, Hex("73 60 61 74 60 69 6D 60 61 DF 60 F6 64 69 69 72 60 61 F1"));
    EXPECT_EQ(c.DateUse.Runic, Hex("60 74 69 71 6C 61 74 60 61"));
    EXPECT_EQ(c.Label5.Runic, Hex("6A 75 6C 69 61 60 6E 20 6E 61 70"));
    EXPECT_EQ(c.Label6.Runic.size(), 10u);
    EXPECT_EQ(c.Label6.Runic, SiderealTimeLabel.Runic);
}

TEST(RunicCaptions, PlaceDialogCaptionsAreByteExact) {
    const PlaceDlgRunicCaptions& c = PlaceDlgCaptions;
    EXPECT_EQ(c.EscButton.Runic, Hex("61 60 DF 69 76"));
    EXPECT_EQ(c.OkButton.Runic, Hex("6E 65 F0 65 6C"));
    EXPECT_EQ(c.Label1.Runic, Hex("20 65 74 65 7A F8 65 68 20 60 F6 6C 65 F0 69 66 67 65 6D 20 61"));
    EXPECT_EQ(c.North.Runic, Hex("69 6B 61 E4 60 E9"));
    EXPECT_EQ(c.South.Runic, Hex("69 6C 60 E9 64"));
    EXPECT_EQ(c.East.Runic, Hex("69 74 65 6C 65 6B"));
    EXPECT_EQ(c.West.Runic, Hex("69 74 61 67 75 F1"));
    EXPECT_EQ(c.Label3.Runic, Hex("67 60 E9 60 73 65 6C 60 E9 DF"));
    EXPECT_EQ(c.Label2.Runic, Hex("67 60 61 73 60 75 60 DF 6F 68"));
}

TEST(RunicCaptions, InformationAndHelpWindowCaptions) {
    EXPECT_EQ(InfoDlgCaptions.Button1.Runic, Hex("61 60 E4 69 76"));
    EXPECT_EQ(HelpFormCaptions.Button1.Runic, Hex("61 60 DF 69 76"));
    ASSERT_EQ(InfoDlgCaptions.Label2.size(), 4u);
    for (char c : InfoDlgCaptions.Label2) EXPECT_TRUE(c >= '0' && c <= '9');
}

// Our own texts are written by the routine and stored reversed, because
// captions are drawn as stored.
TEST(RunicCaptions, OwnTextsAreTheirHungarianSourcesReversed) {
    auto stored = [](const RunicText& t) {
        return ReverseRunicText(TransliterateToRunes(t.Hungarian, HungarianEncoding::Windows1250));
    };
    EXPECT_EQ(SiderealTimeLabel.Runic, stored(SiderealTimeLabel));
    EXPECT_EQ(InfoDlgCaptions.Label1.Runic, stored(InfoDlgCaptions.Label1));
    for (const RunicText& line : HelpFormCaptions.Lines) {
        EXPECT_FALSE(line.Runic.empty());
        EXPECT_EQ(line.Runic, stored(line)) << line.Hungarian;
    }
}

// A menu caption: the runes with a blank at each end. Appended piece by piece
// because GCC 12 at -O3 warns falsely (-Wrestrict) about " " + temporary.
std::string WithBlanks(const std::string& runes) {
    std::string caption(" ");
    caption += runes;
    caption += ' ';
    return caption;
}

// The captions added beside the fixed ones likewise (the menu's with a blank
// at each end), and every help line has runes and plain words.
TEST(RunicCaptions, AddedCaptionsAndHelpAreWrittenFromTheirHungarian) {
    const InterfaceTexts& t = InterfaceCaptions;
    EXPECT_EQ(t.LatinLetters.Runic, WithBlanks(RunicLine(t.LatinLetters.Hungarian)));
    for (const RunicText& c : {t.CityButton, t.CityHeading, t.CitySearch, t.CityZone})
        EXPECT_EQ(c.Runic, RunicLine(c.Hungarian)) << c.Hungarian;
    for (const HelpLine& line : HelpText) {
        EXPECT_EQ(line.Hungarian.empty(), line.Kind == HelpLineKind::Path ||
                                              line.Kind == HelpLineKind::TimeKeys ||
                                              line.Kind == HelpLineKind::ViewKeys);
        EXPECT_EQ(line.Keys.empty(), line.Kind != HelpLineKind::Command && line.Kind != HelpLineKind::Key);
        EXPECT_EQ(RunicLine(line.Hungarian).empty(), line.Hungarian.empty()) << line.Hungarian;
    }
    for (const NamedRunicCaption& c : AllRunicCaptions()) EXPECT_FALSE(c.Hungarian.empty()) << c.Component;
}

// The time controls' captions likewise; menu captions with their blanks.
TEST(RunicCaptions, TimeControlTextsAreTheirHungarianSourcesReversed) {
    auto stored = [](const RunicText& t) {
        return ReverseRunicText(TransliterateToRunes(t.Hungarian, HungarianEncoding::Windows1250));
    };
    const TimeMenuTexts& m = TimeMenuCaptions;
    std::vector<RunicText> menu{m.Title,        m.Forward,     m.Back,         m.Now,
                                m.RunningClock, m.PlayForward, m.PlayBackward, m.Pause};
    menu.insert(menu.end(), m.Steps.begin(), m.Steps.end());
    std::set<std::string_view> distinct;
    for (const RunicText& item : menu) {
        EXPECT_EQ(item.Runic, WithBlanks(stored(item))) << item.Hungarian;
        EXPECT_TRUE(distinct.insert(item.Runic).second) << item.Hungarian;
    }
    EXPECT_EQ(m.Title.Runic, RunicCaptionTable[kMenuTime1].Caption);  // "idő" as the fixed caption spells it
    for (const KeyLegendLine& line : TimeKeyLegend) EXPECT_EQ(line.Meaning.Runic, stored(line.Meaning));
}

TEST(RunicCaptions, TheCompleteListNamesEveryCaptionOnce) {
    const std::vector<NamedRunicCaption> all = AllRunicCaptions();
    EXPECT_EQ(all.size(), 9u + 16u + 7u + 9u + 7u);  // menu, time dialog, weekdays, place dialog, info/help
    std::set<std::string_view> components;
    for (const NamedRunicCaption& c : all) {
        EXPECT_FALSE(c.Stored.empty()) << c.Component;
        EXPECT_TRUE(components.insert(c.Component).second) << c.Component;
    }
    EXPECT_TRUE(components.count("TTimeDlg.Label6"));
    EXPECT_TRUE(components.count("THelpForm1.Label4"));
}

}  // namespace
}  // namespace kolvar
