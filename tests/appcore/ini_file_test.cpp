#include "appcore/ini_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace kolvar {
namespace {

TEST(IniFile, NamesCompareWithoutCaseAndValuesAreTrimmed) {
    IniFile ini = IniFile::Parse("[LocalTime]\n  zone =  2.5  \nSUMMERTIME=1\n");
    EXPECT_EQ(ini.Read("LOCALTIME", "Zone"), "2.5");
    EXPECT_EQ(ini.Read("localtime", "SummerTime"), "1");
    EXPECT_FALSE(ini.Read("GEOPOS", "Zone").has_value());
    EXPECT_EQ(ini.ReadString("LOCALTIME", "Missing", "dflt"), "dflt");
}

TEST(IniFile, EmptyValueIsPresentButEmpty) {
    IniFile ini = IniFile::Parse("[A]\nKey=\n");
    ASSERT_TRUE(ini.Read("A", "Key").has_value());
    EXPECT_EQ(*ini.Read("A", "Key"), "");
    EXPECT_EQ(ini.ReadString("A", "Key", "1"), "");
}

TEST(IniFile, KeysBelongOnlyToTheirSectionAndTheFirstSectionWins) {
    IniFile ini = IniFile::Parse("Zone=9\n[B]\nZone=8\n[A]\nZone=7\n[a]\nZone=6\nOther=5\n");
    EXPECT_EQ(ini.Read("A", "Zone"), "7");
    EXPECT_FALSE(ini.Read("A", "Other").has_value());
    EXPECT_EQ(ini.Read("B", "Zone"), "8");
}

TEST(IniFile, QuotesAreRemovedAndLongValuesCut) {
    std::string longValue(2000, 'x');
    IniFile ini = IniFile::Parse("[S]\nq=\"a b\"\nlong=" + longValue + "\nhalf=\"open\n");
    EXPECT_EQ(ini.Read("S", "q"), "a b");
    EXPECT_EQ(ini.Read("S", "long")->size(), IniFile::MaxIniValueLength);
    EXPECT_EQ(ini.Read("S", "half"), "\"open");
}

TEST(IniFile, WriteReplacesAppendsAndKeepsEverythingElse) {
    IniFile ini = IniFile::Parse("; my notes\n[Other]\nColour=red\n\n[geopos]\nLatitude=1\n\n[Last]\nX=1\n");
    ini.Write("GEOPOS", "Latitude", "0.5");
    ini.Write("GEOPOS", "Longitude", "0.25");
    ini.Write("FONTSIZE", "FontSize", "12");
    EXPECT_EQ(ini.Text(),
              "; my notes\n[Other]\nColour=red\n\n[geopos]\nLatitude=0.5\nLongitude=0.25\n\n[Last]\nX=1\n"
              "[FONTSIZE]\nFontSize=12\n");
}

TEST(IniFile, KeepsWindowsLineEndings) {
    IniFile ini = IniFile::Parse("[A]\r\nK=1\r\n");
    EXPECT_EQ(ini.Read("A", "K"), "1");
    ini.Write("A", "L", "2");
    EXPECT_EQ(ini.Text(), "[A]\r\nK=1\r\nL=2\r\n");
}

TEST(IniFile, EveryLineKeepsItsOwnLineEndAcrossSaves) {
    // CR CR LF, LF, CR LF and a last line without any: each stays as it was,
    // new lines end in CR LF like the first one, and a second save changes nothing.
    std::string text = "[A]\r\r\nK=1\r\r\nX=y\n\r\n[B]\r\nL=2";
    IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.Read("A", "K"), "1");
    ini.Write("A", "K", "5");
    ini.Write("A", "New", "6");
    ini.Write("C", "N", "4");
    const std::string once = ini.Text();
    EXPECT_EQ(once, "[A]\r\r\nK=5\r\r\nX=y\nNew=6\r\n\r\n[B]\r\nL=2\r\n[C]\r\nN=4\r\n");
    IniFile again = IniFile::Parse(once);
    again.Write("A", "K", "5");
    again.Write("A", "New", "6");
    again.Write("C", "N", "4");
    EXPECT_EQ(again.Text(), once);
}

TEST(IniFile, CarriageReturnsAloneEndLines) {
    IniFile ini = IniFile::Parse("[A]\rK=1\r\r[B]\rL=2\r");
    EXPECT_EQ(ini.Read("A", "K"), "1");
    EXPECT_EQ(ini.Read("B", "L"), "2");
    ini.Write("B", "M", "3");
    EXPECT_EQ(ini.Text(), "[A]\rK=1\r\r[B]\rL=2\rM=3\r");
}

TEST(IniFile, ByteOrderMarkIsSkippedAndKept) {
    IniFile ini = IniFile::Parse("\xEF\xBB\xBF[LOCALTIME]\nZone=2\n");
    EXPECT_EQ(ini.Read("LOCALTIME", "Zone"), "2");
    ini.Write("LOCALTIME", "Zone", "3");
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[LOCALTIME]\nZone=3\n");
}

TEST(IniFile, MissingFileLoadsEmpty) {
    IniFile ini = IniFile::Load(std::filesystem::temp_directory_path() / "kolvar-no-such-file.ini");
    EXPECT_EQ(ini.Text(), "");
}

}  // namespace
}  // namespace kolvar
