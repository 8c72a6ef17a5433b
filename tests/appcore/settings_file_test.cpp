#include "appcore/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>

#include "appcore/desktop_settings.h"
#include "appcore/ini_file.h"
#include "appcore/view_settings.h"

namespace kolvar {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::setlocale(LC_NUMERIC, "C");
        std::string tmpl = (fs::temp_directory_path() / "kolvar-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
        file_ = dir_ / SettingsFileName;
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0755);
        fs::remove_all(dir_);
    }
    void WriteText(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
    std::string ReadText() const {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    IniValues Load() const { return LoadIniFile(file_); }

    fs::path dir_;
    fs::path file_;
};

TEST_F(SettingsFileTest, NoFileGivesTheDefaults) {
    IniValues v = Load();
    EXPECT_EQ(v.Zone, 1.0);
    EXPECT_EQ(v.SummerTime, 0);
    EXPECT_EQ(v.Longitude, 0.3327296);
    EXPECT_EQ(v.Latitude, 0.8305847);
    EXPECT_EQ(v.FontSize, 12);
}

TEST_F(SettingsFileTest, ReadsEveryValueWithAnyCaseOfNames) {
    WriteText(
        "[localtime]\nzone=-3.5\nsummertime=1\n[GeoPos]\nLONGITUDE=-0.1\nLatitude=0.9\n[fontsize]\nFontSize="
        "20\n");
    IniValues v = Load();
    EXPECT_EQ(v.Zone, -3.5);
    EXPECT_EQ(v.SummerTime, 1);
    EXPECT_EQ(v.Longitude, -0.1);
    EXPECT_EQ(v.Latitude, 0.9);
    EXPECT_EQ(v.FontSize, 20);
}

TEST_F(SettingsFileTest, UnreadableValuesFallBackOneByOne) {
    WriteText(
        "[LOCALTIME]\nZone=abc\nSummerTime=x\n[GEOPOS]\nLongitude=0.1\nLatitude=north\n[FONTSIZE]\nFontSize="
        "ten\n");
    IniValues v = Load();
    EXPECT_EQ(v.Zone, 1.0);
    EXPECT_EQ(v.SummerTime, 0);
    EXPECT_EQ(v.Longitude, 0.1);
    EXPECT_EQ(v.Latitude, 0.8305847);
    EXPECT_EQ(v.FontSize, 12);
}

TEST_F(SettingsFileTest, EmptyZoneIsNoNumber) {
    WriteText("[LOCALTIME]\nZone=\n[GEOPOS]\nLatitude=0.5\n");
    IniValues v = Load();
    EXPECT_EQ(v.Zone, 1.0);
    EXPECT_EQ(v.Latitude, 0.5);
}

TEST_F(SettingsFileTest, IntegerRules) {
    WriteText("[LOCALTIME]\nSummerTime=2\n[FONTSIZE]\nFontSize=0x10\n");
    IniValues v = Load();
    EXPECT_EQ(v.SummerTime, 1);
    EXPECT_EQ(v.FontSize, 16);
}

TEST_F(SettingsFileTest, EitherDecimalSeparatorReadsUnderEitherLocale) {
    // A comma file under the point locale of this process, then both ways
    // through the separator the locale would give.
    WriteText("[LOCALTIME]\nZone=1,5\n[GEOPOS]\nLongitude=-0,1\nLatitude=2,5E-7\n");
    IniValues v = Load();
    EXPECT_EQ(v.Zone, 1.5);
    EXPECT_EQ(v.Longitude, -0.1);
    EXPECT_EQ(v.Latitude, 2.5e-7);
    IniFile point = IniFile::Parse("[GEOPOS]\nLongitude=0.25\nLatitude=0,75\n");
    for (char locale : {'.', ','}) {
        IniValues read = ReadIniValues(point, locale);
        EXPECT_EQ(read.Longitude, 0.25) << locale;
        EXPECT_EQ(read.Latitude, 0.75) << locale;
    }
    // Both separators in one text: no reading is sure, the fallback applies.
    EXPECT_EQ(ReadIniValues(IniFile::Parse("[GEOPOS]\nLatitude=1.234,5\n"), ',').Latitude, 0.8305847);
}

TEST_F(SettingsFileTest, CommaLocaleWritesCommasThatReadBack) {
    IniFile ini;
    WriteIniValues(ini, {-2.5, 1, 0.125, -0.5, 14}, ',');
    EXPECT_NE(ini.Text().find("Zone=-2,5\n"), std::string::npos) << ini.Text();
    IniValues back = ReadIniValues(ini, '.');
    EXPECT_EQ(back.Zone, -2.5);
    EXPECT_EQ(back.Longitude, 0.125);
    EXPECT_EQ(back.Latitude, -0.5);
}

TEST_F(SettingsFileTest, ExtremeDoublesSurviveASaveAndLoad) {
    const double largest = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    SaveIniFile(file_, {largest, 0, -largest, tiny, 12});
    IniValues back = Load();
    EXPECT_NEAR(back.Zone / largest, 1.0, 1e-14);
    EXPECT_NEAR(back.Longitude / largest, -1.0, 1e-14);
    EXPECT_EQ(back.Latitude, tiny);
}

TEST_F(SettingsFileTest, ALinkedFileIsSavedToItsTargetAndTheLinkStays) {
    fs::create_directory(dir_ / "dotfiles");
    std::ofstream(dir_ / "dotfiles" / "kolvar.ini") << "[Window]\nLeft=7\n";
    fs::create_symlink(fs::path("dotfiles") / "kolvar.ini", file_);
    SaveIniFile(file_, {2.0, 0, 0.1, 0.2, 16});
    EXPECT_TRUE(fs::is_symlink(file_));
    EXPECT_EQ(ReadText(),
              "[Window]\nLeft=7\n[LOCALTIME]\nZone=2\nSummerTime=0\n[GEOPOS]\nLongitude=0.1\n"
              "Latitude=0.2\n[FONTSIZE]\nFontSize=16\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "dotfiles"), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(SettingsFileTest, SavedFileHasTheDocumentedShape) {
    SaveIniFile(file_, IniValues{});
    EXPECT_EQ(ReadText(),
              "[LOCALTIME]\nZone=1\nSummerTime=0\n[GEOPOS]\nLongitude=0.3327296\nLatitude=0.8305847\n"
              "[FONTSIZE]\nFontSize=12\n");
}

TEST_F(SettingsFileTest, SaveFormatsDoublesWithFifteenDigits) {
    SaveIniFile(file_, {2.0, 7, -0.5, 1.0 / 3.0, -4});
    std::string text = ReadText();
    EXPECT_NE(text.find("Zone=2\n"), std::string::npos);
    EXPECT_NE(text.find("SummerTime=1\n"), std::string::npos);
    EXPECT_NE(text.find("Longitude=-0.5\n"), std::string::npos);
    EXPECT_NE(text.find("Latitude=0.333333333333333\n"), std::string::npos);
    EXPECT_NE(text.find("FontSize=-4\n"), std::string::npos);
    IniValues back = Load();
    EXPECT_EQ(back.SummerTime, 1);
    EXPECT_EQ(back.Longitude, -0.5);
    EXPECT_NEAR(back.Latitude, 1.0 / 3.0, 1e-15);
}

TEST_F(SettingsFileTest, SaveKeepsOtherSectionsAndKeys) {
    WriteText("; hand-written\n[Window]\nLeft=10\n[GEOPOS]\nLatitude=0.1\nElevation=120\n");
    SaveIniFile(file_, {1.0, 0, 0.2, 0.3, 14});
    EXPECT_EQ(ReadText(),
              "; hand-written\n[Window]\nLeft=10\n[GEOPOS]\nLatitude=0.3\nElevation=120\nLongitude=0.2\n"
              "[LOCALTIME]\nZone=1\nSummerTime=0\n[FONTSIZE]\nFontSize=14\n");
}

// Two instances with one file: each writes back only what it changed since
// its start, so neither undoes the other's choice.
TEST_F(SettingsFileTest, TwoInstancesKeepEachOthersChanges) {
    WriteText("[FONTSIZE]\nFontSize=12\n[VIEW]\nFigures=0\nScript=runic\n");
    IniFile startA, startB;
    const IniValues a = LoadIniFile(file_, [&](const IniFile& ini) { startA = ini; });
    const IniValues b = LoadIniFile(file_, [&](const IniFile& ini) { startB = ini; });
    SaveIniFile(
        file_, a, [](IniFile& ini) { ini.Write("VIEW", "Figures", "1"); }, &startA);
    IniValues bigger = b;
    bigger.FontSize = 20;
    SaveIniFile(
        file_, bigger, [](IniFile& ini) { ini.Write("VIEW", "Figures", "0"); }, &startB);
    const IniFile now = IniFile::Parse(ReadText());
    EXPECT_EQ(now.Read("VIEW", "Figures"), "1");
    EXPECT_EQ(now.Read("FONTSIZE", "FontSize"), "20");
    EXPECT_EQ(now.Read("VIEW", "Script"), "runic");
    EXPECT_EQ(now.Read("LOCALTIME", "Zone"), "1");  // new to the file: written by the first save
}

// A save killed midway leaves its temporary; the next start removes it, but
// not a fresh one (another instance's save under way) nor the user's files.
TEST_F(SettingsFileTest, TemporaryOfAKilledSaveGoesAtTheNextStart) {
    WriteText("[FONTSIZE]\nFontSize=14\n");
    const fs::path left = dir_ / "Kolvar.ini.tmp-aB3xY9", fresh = dir_ / "Kolvar.ini.tmp-Qq1234",
                   mine = dir_ / "Kolvar.ini.tmp-notes";
    for (const fs::path& p : {left, fresh, mine}) std::ofstream(p) << "[FONTSIZE]\nFontSize=";
    fs::last_write_time(left, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    fs::last_write_time(mine, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    EXPECT_EQ(Load().FontSize, 14);
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(mine));
}

TEST_F(SettingsFileTest, SaveCreatesMissingFolders) {
    fs::path nested = dir_ / "config" / "kolvar" / SettingsFileName;
    SaveIniFile(nested, IniValues{});
    EXPECT_EQ(LoadIniFile(nested).FontSize, 12);
}

// The checks of a save into a folder that refuses new files; the folder holds
// an older settings file that must survive.
void ExpectReadOnlySaveFails(const fs::path& file, int expectedErrno) {
    try {
        SaveIniFile(file, IniValues{});
        ADD_FAILURE() << "no error reported";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ(e.Path(), file);
        EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos);
        EXPECT_NE(e.Reason().find(std::generic_category().message(expectedErrno)), std::string::npos)
            << e.Reason();
    }
    // A settings folder that cannot be made in it is the cause told, not the file missing there.
    const fs::path folder = file.parent_path() / "kolvar";
    try {
        SaveIniFile(folder / SettingsFileName, IniValues{});
        ADD_FAILURE() << "no error reported";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ(e.Reason(), "cannot create the folder " + folder.string() + ": " +
                                  std::generic_category().message(expectedErrno));
    }
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "[FONTSIZE]\nFontSize=30\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1)
        << "temporary file left";
}

TEST_F(SettingsFileTest, SaveIntoReadOnlyFolderFailsCleanlyAndKeepsTheOldFile) {
    WriteText("[FONTSIZE]\nFontSize=30\n");
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
        ExpectReadOnlySaveFails(file_, EACCES);
        return;
    }
    // Permission bits do not bind the superuser: run this test again in a
    // private mount namespace where the folder is mounted read-only.
    if (const char* inner = std::getenv("KOLVAR_TEST_READONLY_DIR")) {
        ExpectReadOnlySaveFails(fs::path(inner) / SettingsFileName, EROFS);
        return;
    }
    fs::path self = fs::read_symlink("/proc/self/exe");
    std::string d = dir_.string();
    std::string command = "unshare -m sh -c 'mount --bind " + d + " " + d + " && mount -o remount,bind,ro " +
                          d + " " + d + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "no read-only bind mount available here";
    command = "unshare -m sh -c 'mount --bind " + d + " " + d + " && mount -o remount,bind,ro " + d + " " +
              d + " && KOLVAR_TEST_READONLY_DIR=" + d + " exec " + self.string() +
              " --gtest_filter=SettingsFileTest.SaveIntoReadOnlyFolderFailsCleanlyAndKeepsTheOldFile'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

TEST_F(SettingsFileTest, SaveLeavesAReadOnlyFileAsItIs) {
    WriteText("[FONTSIZE]\nFontSize=30\n");
    ASSERT_EQ(::chmod(file_.c_str(), 0444), 0);
    auto attempt = [this]() -> int {
        try {
            SaveIniFile(file_, IniValues{});
            return 0;
        } catch (const SettingsWriteError& e) {
            return e.Code();
        }
    };
    int code = 0;
    if (::geteuid() != 0) {
        code = attempt();
    } else {
        // File modes do not bind the superuser: an ordinary user makes the attempt.
        constexpr uid_t Nobody = 65534;
        ASSERT_EQ(::chown(dir_.c_str(), Nobody, Nobody), 0);
        ASSERT_EQ(::chown(file_.c_str(), Nobody, Nobody), 0);
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) ::_exit(255);
            ::_exit(attempt());
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        code = WEXITSTATUS(status);
        ASSERT_NE(code, 255) << "could not switch to an ordinary user";
    }
    EXPECT_EQ(code, EACCES);
    EXPECT_EQ(ReadText(), "[FONTSIZE]\nFontSize=30\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
        << "temporary file left";
}

TEST_F(SettingsFileTest, SaveErrorIsOneLineWithTheFileAndTheCause) {
    WriteText("not a folder");
    fs::create_directories(dir_ / "folder" / SettingsFileName);
    const std::pair<fs::path, int> cases[] = {{file_ / SettingsFileName, ENOTDIR},  // below a regular file
                                              {dir_ / "folder" / SettingsFileName, EISDIR}};
    for (const auto& [impossible, cause] : cases) {
        try {
            SaveIniFile(impossible, IniValues{});
            ADD_FAILURE() << "no error reported for " << impossible;
        } catch (const SettingsWriteError& e) {
            const std::string line = e.what();
            EXPECT_EQ(e.Path(), impossible);
            EXPECT_EQ(line.rfind("cannot save the settings to " + impossible.string() + ": ", 0), 0u) << line;
            EXPECT_NE(line.find(std::generic_category().message(cause)), std::string::npos) << line;
            EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        }
    }
}

TEST_F(SettingsFileTest, FileLivesBesideAWritableProgramFolder) {
    EXPECT_EQ(SettingsFilePathFor(dir_), dir_ / "Kolvar.ini");
}

// An installed program never keeps files among the packaged programs, even
// when run as root, who could write there.
TEST_F(SettingsFileTest, FileMovesToTheConfigHomeFromASystemProgramFolder) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = oldXdg ? oldXdg : "";
    ::setenv("XDG_CONFIG_HOME", (dir_ / "cfg").c_str(), 1);
    for (const char* folder : {"/usr/bin", "/usr/bin/", "/usr/local/bin", "/usr/bin/../sbin"})
        EXPECT_EQ(SettingsFilePathFor(folder), dir_ / "cfg" / "kolvar" / "Kolvar.ini") << folder;
    EXPECT_EQ(SettingsFilePathFor(dir_), dir_ / "Kolvar.ini");
    if (oldXdg)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(SettingsFileTest, FileMovesToTheConfigHomeWhenTheProgramFolderIsNotWritable) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    std::string saved = oldXdg ? oldXdg : "";
    fs::path missing = dir_ / "no-such-folder";
    ::setenv("XDG_CONFIG_HOME", (dir_ / "cfg").c_str(), 1);
    EXPECT_EQ(SettingsFilePathFor(missing), dir_ / "cfg" / "kolvar" / "Kolvar.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1);
    const char* home = std::getenv("HOME");
    EXPECT_EQ(SettingsFilePathFor(missing),
              fs::path(home ? home : "/") / ".config" / "kolvar" / "Kolvar.ini");
    if (::geteuid() != 0) {
        ::chmod(dir_.c_str(), 0555);
        ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
        EXPECT_EQ(SettingsFilePathFor(dir_), fs::path("/xdg/kolvar/Kolvar.ini"));
        ::chmod(dir_.c_str(), 0755);
    }
    if (oldXdg)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

// [VIEW]: unreadable values keep their defaults, the limit is held to the
// menu's range, and a read choice is written back as read; the line keys
// appear only once a line was on.
TEST(ViewSettings, ReadsWhatItCanAndWritesItBack) {
    struct Case {
        const char* Text;
        bool Figures, Night;
        double Magnitude;
        bool Ecliptic = false;
    };
    const Case cases[] = {
        {"", false, false, 2.0},
        {"[VIEW]\nFigures=1\nNight=yes\nLabelMagnitude=4.5\n", true, false, 4.5},
        {"[VIEW]\nFigures=0\nNight=1\nLabelMagnitude=99\n", false, true, LargestLabelMagnitude},
        {"[VIEW]\nLabelMagnitude=-3\n", false, false, SmallestLabelMagnitude},
        {"[VIEW]\nEcliptic=1\nEquator=x\n", false, false, 2.0, true},
    };
    for (const Case& c : cases) {
        const IniFile ini = IniFile::Parse(c.Text);
        const ViewOptions view = ReadViewSettings(ini);
        EXPECT_EQ(view.Figures, c.Figures) << c.Text;
        EXPECT_EQ(view.Night, c.Night) << c.Text;
        EXPECT_EQ(view.LabelMagnitude, c.Magnitude) << c.Text;
        IniFile written = IniFile::Parse(c.Text);
        WriteViewSettings(written, view);
        const ViewOptions again = ReadViewSettings(written);
        EXPECT_EQ(again.Figures, view.Figures);
        EXPECT_EQ(again.LabelMagnitude, view.LabelMagnitude);
        EXPECT_EQ(view.Lines.Ecliptic, c.Ecliptic) << c.Text;
        EXPECT_EQ(again.Lines.Ecliptic, c.Ecliptic) << c.Text;
        EXPECT_FALSE(view.Lines.Equator) << c.Text;
        EXPECT_EQ(written.Text().find("AltAzGrid"), std::string::npos) << c.Text;
        // A file that never saw a choice stays without [VIEW].
        EXPECT_EQ(written.Text().find("[VIEW]") == std::string::npos, std::string(c.Text).empty()) << c.Text;
    }
}

// The desktop's own keys: a placement is taken only whole, the script only
// as "latin", and what is read is written back the same.
TEST(DesktopSettings, ReadsWholePlacementsAndWritesThemBack) {
    struct Case {
        const char* Text;
        Script Letters;
        int MainWidth, CloseUpLeft;
        const char* City;
    };
    const Case cases[] = {
        {"", Script::Runic, 0, 0, ""},
        {"[VIEW]\nScript=latin\n[WINDOW]\nLeft=-5\nTop=7\nWidth=900\nHeight=681\n", Script::Latin, 900, 0,
         ""},
        {"[VIEW]\nScript=Latin\n[WINDOW]\nLeft=1\nTop=2\nWidth=0\nHeight=681\nCloseUpLeft=30\nCloseUpTop=4\n"
         "CloseUpWidth=431\nCloseUpHeight=273\n[CITY]\nName=Gy\xC5\x91r\n",
         Script::Runic, 0, 30, "Gy\xC5\x91r"},
        {"[WINDOW]\nLeft=1\nTop=x\nWidth=900\nHeight=681\n", Script::Runic, 0, 0, ""},
    };
    for (const Case& c : cases) {
        const DesktopSettings read = ReadDesktopSettings(IniFile::Parse(c.Text));
        EXPECT_EQ(read.Letters, c.Letters) << c.Text;
        EXPECT_EQ(read.Main.Width, c.MainWidth) << c.Text;
        EXPECT_EQ(read.CloseUp.Left, c.CloseUpLeft) << c.Text;
        EXPECT_EQ(read.CityName, c.City) << c.Text;
        IniFile written;
        WriteDesktopSettings(written, read);
        const DesktopSettings again = ReadDesktopSettings(written);
        EXPECT_EQ(std::tuple(again.Letters, again.Main.Left, again.Main.Top, again.Main.Width,
                             again.Main.Height, again.CloseUp.Width, again.CityName),
                  std::tuple(read.Letters, read.Main.Left, read.Main.Top, read.Main.Width, read.Main.Height,
                             read.CloseUp.Width, read.CityName));
        // The runes and no windows leave a new file empty.
        EXPECT_EQ(written.Text().empty(), std::string(c.Text).empty() || &c == &cases[3]) << c.Text;
    }
}

}  // namespace
}  // namespace kolvar
