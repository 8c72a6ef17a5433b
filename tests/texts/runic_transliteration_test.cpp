#include "texts/runic_transliteration.h"

#include <gtest/gtest.h>

#include <string>

#include "texts/runic_captions.h"

namespace kolvar {
namespace {

std::string Utf8(std::string_view text) { return TransliterateToRunes(text, HungarianEncoding::Utf8); }
std::string Cp1250(std::string_view text) {
    return TransliterateToRunes(text, HungarianEncoding::Windows1250);
}

std::string Trimmed(std::string_view caption) {
    while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
    while (!caption.empty() && caption.back() == ' ') caption.remove_suffix(1);
    return std::string(caption);
}

TEST(RunicTransliteration, SiderealTimeCaptionHasTenBytes) {
    const std::string runes = Utf8("csillagidő");
    EXPECT_EQ(runes, "\xE7il`agid\xF6`");
    EXPECT_EQ(runes.size(), 10u);
    EXPECT_EQ(Cp1250("csillagid\xF5"), runes);
    EXPECT_EQ(ReverseRunicText(runes), TimeDlgCaptions.Label6.Runic);
}

// Stored captions are the routine's output read backwards, except where the
// program's captions use their own variants (ä for ß, q for "ak", µ).
TEST(RunicTransliteration, ReproducesStoredMenuAndButtonCaptions) {
    EXPECT_EQ(ReverseRunicText(Utf8("Megfigyelő")), Trimmed(RunicCaptionTable[kMenuObserver1].Caption));
    EXPECT_EQ(ReverseRunicText(Utf8("Idő")), Trimmed(RunicCaptionTable[kMenuTime1].Caption));
    EXPECT_EQ(ReverseRunicText(Utf8("Hely")), Trimmed(RunicCaptionTable[kMenuPlace1].Caption));
    EXPECT_EQ(ReverseRunicText(Utf8("Kijárat")), Trimmed(RunicCaptionTable[kMenuExit1].Caption));
    EXPECT_EQ(ReverseRunicText(Utf8("Zsugorít")), Trimmed(RunicCaptionTable[kMenuShrivell1].Caption));
    EXPECT_EQ(ReverseRunicText(Utf8("növel")), Trimmed(RunicCaptionTable[kMenuGrow1].Caption));
    EXPECT_EQ(ReverseRunicText(Utf8("tájékoztató")), Trimmed(RunicCaptionTable[kMenuInformation1].Caption));
    EXPECT_EQ(ReverseRunicText(Utf8("segély")), Trimmed(RunicCaptionTable[kMenuHelp1].Caption));
    EXPECT_EQ(ReverseRunicText(Utf8("Vissza")), PlaceDlgCaptions.EscButton.Runic);
    EXPECT_EQ(ReverseRunicText(Utf8("Vissza")), HelpFormCaptions.Button1.Runic);
}

TEST(RunicTransliteration, VariantSzRuneIsTheOnlyDifferenceInTheOtherBackButtons) {
    std::string alt(TimeDlgCaptions.EscButton1.Runic);
    ASSERT_NE(alt.find('\xE4'), std::string::npos);
    for (char& c : alt) {
        if (c == '\xE4') c = '\xDF';
    }
    EXPECT_EQ(alt, ReverseRunicText(Utf8("Vissza")));
    EXPECT_EQ(InfoDlgCaptions.Button1.Runic, TimeDlgCaptions.EscButton1.Runic);
}

TEST(RunicTransliteration, ReproducesDialogCaptions) {
    struct Case {
        std::string_view Hungarian;
        std::string_view Stored;
    };
    const Case cases[] = {
        {"legyen", TimeDlgCaptions.OkButton1.Runic},
        {" a megfigyelés ideje ", TimeDlgCaptions.Label1.Runic},
        {"Gergely naptár", TimeDlgCaptions.Label2.Runic},
        {"év", TimeDlgCaptions.YearLabel.Runic},
        {"hó", TimeDlgCaptions.MonthLabel.Runic},
        {"nap", TimeDlgCaptions.DayLabel.Runic},
        {"óra", TimeDlgCaptions.HourLabel.Runic},
        {"perc", TimeDlgCaptions.Label3.Runic},
        {"most", TimeDlgCaptions.NowButton1.Runic},
        {"időzóna", TimeDlgCaptions.Label7.Runic},
        {"a megfigyelő helyzete ", PlaceDlgCaptions.Label1.Runic},
        {"keleti", PlaceDlgCaptions.East.Runic},
        {"nyugati", PlaceDlgCaptions.West.Runic},
        {"hosszúság", PlaceDlgCaptions.Label2.Runic},
        {"vasárnap", WeekdayRunicNames[0].Runic},
        {"hétfő", WeekdayRunicNames[1].Runic},
        {"kedd", WeekdayRunicNames[2].Runic},
        {"szerda", WeekdayRunicNames[3].Runic},
        {"csütörtök", WeekdayRunicNames[4].Runic},
        {"péntek", WeekdayRunicNames[5].Runic},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReverseRunicText(Utf8(c.Hungarian)), c.Stored) << c.Hungarian;
    }
}

TEST(RunicTransliteration, DigraphsAndDoubledConsonants) {
    EXPECT_EQ(Utf8("hosszú"), "ho\xDF`u`");        // ssz: doubled sz
    EXPECT_EQ(Utf8("meggy"), "me\xF0`");           // ggy
    EXPECT_EQ(Utf8("könnyű"), "k\xF6\xF1`\xFC`");  // nny, long ü
    EXPECT_EQ(Utf8("hattyú"), "ha\xFE`u`");        // tty
    EXPECT_EQ(Utf8("Kassziopeia"), "ka\xDF`iopeia");
    EXPECT_EQ(Utf8("dzsungel"), "d\xE6ungel");  // dzs is d + zs
    EXPECT_EQ(Utf8("kedd"), "ked`");
    EXPECT_EQ(Utf8("Kaszás"),
              "ka\xDF"
              "a`s");
    EXPECT_EQ(Utf8("szsz"), "\xDF`");  // a doubled digraph written out
    EXPECT_EQ(Utf8("aa"), "aa");       // vowels are never doubled
    EXPECT_EQ(Utf8("ottt"), "ot`t");   // the mark joins pairs only
}

TEST(RunicTransliteration, LongVowelsAndOwnRunes) {
    EXPECT_EQ(Utf8("áíóúőű"), "a`i`o`u`\xF6`\xFC`");
    EXPECT_EQ(Utf8("éöü"), "\xE9\xF6\xFC");
    EXPECT_EQ(Utf8("ÁÉÍÓÖŐÚÜŰ"), "a`\xE9i`o`\xF6\xF6`u`\xFC\xFC`");
    EXPECT_EQ(Cp1250("\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB"), "a`\xE9i`o`\xF6\xF6`u`\xFC\xFC`");
}

TEST(RunicTransliteration, KeepsFontPunctuationAndDropsWhatHasNoGlyph) {
    EXPECT_EQ(Utf8("M44 (x)"), "m44 (x)");
    EXPECT_EQ(Utf8("Orion-köd"),
              "orion-k\xF6"
              "d");
    EXPECT_EQ(Utf8("a`b"), "ab");         // a stray mark is not text
    EXPECT_EQ(Utf8("Łódź ☉"), "o`d ");    // no runes for Polish letters or symbols
    EXPECT_EQ(Utf8("\xE2\x84\xAA"), "");  // the Kelvin sign is not a k
    EXPECT_EQ(Utf8(""), "");
    EXPECT_EQ(Cp1250("\x80\x81\xA3"), "");  // euro, unassigned, Ł
}

TEST(RunicTransliteration, MalformedUtf8IsDroppedNotMisread) {
    EXPECT_EQ(Utf8("a\xC3"), "a");  // truncated sequence at the end
    EXPECT_EQ(Utf8("\xC3"
                   "a"),
              "a");  // lead byte without continuation
    EXPECT_EQ(Utf8("\xC0\xAF"
                   "b"),
              "b");  // overlong encoding of '/'
    EXPECT_EQ(Utf8("\xED\xA0\x80"
                   "c"),
              "c");  // encoded surrogate
    EXPECT_EQ(Utf8("\xF8\x88\x80\x80\x80"
                   "d"),
              "d");  // five-byte form
    EXPECT_EQ(Utf8("\xBF"
                   "e"),
              "e");  // stray continuation byte
}

TEST(RunicTransliteration, ReverseIsBytewise) {
    EXPECT_EQ(ReverseRunicText("kija`rat"), "tar`ajik");
    EXPECT_EQ(ReverseRunicText(""), "");
    EXPECT_EQ(ReverseRunicText(ReverseRunicText("\xE7\xFC\x95")), "\xE7\xFC\x95");
}

}  // namespace
}  // namespace kolvar
