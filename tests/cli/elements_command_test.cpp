// kolvar-chart elements and ephemeris --body: the kept set in the XDG data
// folder through import, list and remove, what a failed import leaves, and
// the positions --body prints.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "run_chart.h"

namespace kolvar::cli {
namespace {

using testing::Fields;
using testing::FileText;
using testing::Lines;
using testing::RunChart;

const std::string Data = KOLVAR_SOURCE_DIR "/tests/elements/data/";

class ElementsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = std::filesystem::temp_directory_path() / ("kolvar-elements-" + std::to_string(::getpid()));
        std::filesystem::remove_all(home_);
        setenv("XDG_DATA_HOME", home_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(home_);
    }
    std::filesystem::path Kept() const { return home_ / "kolvar" / "small-bodies.tsv"; }
    std::filesystem::path home_;
};

TEST_F(ElementsCommand, ImportListRemoveKeepTheSetAndFailuresChangeNothing) {
    testing::RunResult r = RunChart({"elements", "import", Data + "jpl_comets.json"});
    EXPECT_EQ(r.ExitStatus, 0) << r.Err;
    EXPECT_NE(r.Out.find("read 9 bodies"), std::string::npos) << r.Out;
    r = RunChart({"elements", "import", Data + "mpc_extract.txt"});
    EXPECT_NE(r.Out.find("read 10 bodies"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("3 replaced, 16 kept"), std::string::npos) << r.Out;

    r = RunChart({"elements", "list"});
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[1], "comet\t1P\tHalley\t1994-02-17\t0.585978112\t0.967142908");

    // A file of bad lines names them and leaves the set; so does a file that is no elements file.
    const std::string before = FileText(Kept());
    const std::filesystem::path bad = home_ / "bad.txt";
    std::ofstream(bad) << "00004    3.20  0.32 K2289  61.19230  151.25778\n\x01\x02\n";
    r = RunChart({"elements", "import", bad.string()});
    EXPECT_EQ(r.ExitStatus, 1);
    EXPECT_NE(r.Err.find("line 1: truncated line (46 characters"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("no bodies read; the kept set is unchanged"), std::string::npos) << r.Err;
    EXPECT_EQ(RunChart({"elements", "import", (home_ / "missing").string()}).ExitStatus, 2);
    EXPECT_EQ(FileText(Kept()), before);

    // A kept file that is not a kept set is never written over.
    std::ofstream(Kept()) << "my own notes\n";
    r = RunChart({"elements", "import", Data + "jpl_asteroids.json"});
    EXPECT_EQ(r.ExitStatus, 1);
    EXPECT_NE(r.Err.find("nothing changed"), std::string::npos) << r.Err;
    EXPECT_EQ(FileText(Kept()), "my own notes\n");
    std::ofstream(Kept()) << before;

    r = RunChart({"elements", "remove", "Encke"});
    EXPECT_EQ(r.Out, "removed 2P/Encke\n");
    EXPECT_EQ(Lines(RunChart({"elements", "list"}).Out).size(), 16u);
    EXPECT_EQ(RunChart({"elements", "remove", "Encke"}).ExitStatus, 1);
    for (const auto& args : {std::vector<std::string>{"elements"},
                             {"elements", "import"},
                             {"elements", "list", "x"},
                             {"elements", "purge"},
                             {"elements", "--all"}})
        EXPECT_EQ(RunChart(args).ExitStatus, 2) << args.back();
}

TEST_F(ElementsCommand, EphemerisBodyPrintsTheAstrometricPlaceAtEachInstant) {
    ASSERT_EQ(RunChart({"elements", "import", Data + "mpc_extract.txt"}).ExitStatus, 0);
    testing::RunResult r = RunChart({"ephemeris", "--body", "(4) Vesta", "--jd", "2459800.5"});
    ASSERT_EQ(r.ExitStatus, 0) << r.Err;
    const auto f = Fields(Lines(r.Out).at(0), '\t');
    ASSERT_EQ(f.size(), 7u);
    EXPECT_EQ(f[0], "(4) Vesta");
    EXPECT_EQ(f[1], "2459800.5");
    // PyEphem from the same line (tests/elements/small_body_reference.inc): ra 5.8959512 (less a turn), dec
    // -0.3199094.
    EXPECT_NEAR(std::stod(f[2]), 5.8959512 - 2 * 3.141592653589793, 5e-6);
    EXPECT_NEAR(std::stod(f[3]), -0.3199094, 5e-6);
    EXPECT_NEAR(std::stod(f[4]), 1.2921552, 1e-5);

    // A series; another file's bodies for one run, without touching the kept set.
    EXPECT_EQ(Lines(RunChart({"ephemeris", "--body", "4", "--from", "2022-08-01", "--to", "2022-08-11",
                              "--step", "5d"})
                        .Out)
                  .size(),
              3u);
    r = RunChart(
        {"ephemeris", "--body", "Ceres", "--elements", Data + "jpl_asteroids.json", "--jd", "2459800.5"});
    EXPECT_EQ(Fields(r.Out, '\t').at(0), "(1) Ceres");
    EXPECT_EQ(RunChart({"ephemeris", "--body", "Ceres"}).ExitStatus, 1);
    for (const auto& args : {std::vector<std::string>{"ephemeris", "--elements", Data + "mpc_extract.txt"},
                             {"ephemeris", "--from", "2022-08-01", "--to", "2022-08-02", "--step", "1d"},
                             {"ephemeris", "--body", "4", "--elements", (home_ / "missing").string()},
                             {"ephemeris", "--body", ""}})
        EXPECT_EQ(RunChart(args).ExitStatus, 2) << args.back();
}

}  // namespace
}  // namespace kolvar::cli
