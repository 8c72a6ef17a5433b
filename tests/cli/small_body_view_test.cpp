// Comets and minor planets on the sky through kolvar-chart: off unless asked
// (an empty kept set draws nothing either), drawn from --elements, and named
// by identify and find at the pixel the chart drew them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "run_chart.h"

namespace kolvar::cli {
namespace {

using testing::Fields;
using testing::FileText;
using testing::Lines;
using testing::RunChart;

const std::string Data = KOLVAR_SOURCE_DIR "/tests/elements/data/";
const std::vector<std::string> Sky = {"--date", "2022-10-01T22:00", "--zone", "2", "--lat", "47.5", "--lon",
                                      "19"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

class SmallBodyView : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("kolvar-bodies-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        setenv("XDG_DATA_HOME", dir_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(dir_);
    }
    std::string Png(const std::vector<std::string>& more) {
        const std::string out = (dir_ / "sky.png").string();
        const auto r = RunChart(With(With({"render", "--out", out}, Sky), more));
        EXPECT_EQ(r.ExitStatus, 0) << r.Err;
        return FileText(out);
    }
    std::filesystem::path dir_;
};

TEST_F(SmallBodyView, DrawnOnlyWhenAskedAndWhenThereAreBodies) {
    const std::string plain = Png({});
    EXPECT_EQ(Png({"--show", "small-bodies"}), plain);  // nothing kept
    const std::string drawn = Png({"--elements", Data + "jpl_asteroids.json"});
    EXPECT_NE(drawn, plain);
    // A limit brighter than every body draws none of them.
    EXPECT_EQ(Png({"--elements", Data + "jpl_asteroids.json", "--small-bodies-mag", "-5"}), plain);
}

TEST_F(SmallBodyView, TracksAndFinderChartsByNameRefusingWhatNamesNothing) {
    const std::string file = Data + "jpl_comets.json";
    const std::string out = (dir_ / "out.png").string();
    const struct {
        std::vector<std::string> Args;
        int Status;
    } cases[] = {
        {{"closeup", "--az", "90", "--alt", "30", "--path", "Halley", "--path-days", "40"}, 0},
        {{"print", "--center", "Hale-Bopp", "--fov", "10", "--path", "C/1995 O1"}, 0},
        {{"render", "--path", "Nobody"}, 2},
        {{"render", "--path-days", "5"}, 2},
        {{"closeup", "--az", "90", "--alt", "30", "--path", "1P", "--path-days", "0"}, 2},
        {{"render", "--small-bodies-mag", "x"}, 2},
        {{"print", "--center", "Nobody", "--fov", "10"}, 2},
    };
    for (const auto& c : cases) {
        const auto r = RunChart(With(With(c.Args, {"--elements", file, "--out", out}), Sky));
        EXPECT_EQ(r.ExitStatus, c.Status) << c.Args[0] << " " << c.Args.back() << ": " << r.Err;
        EXPECT_EQ(std::filesystem::exists(out), c.Status == 0) << c.Args.back();
        std::filesystem::remove(out);
    }
}

TEST_F(SmallBodyView, FindAndIdentifyNameTheBodyWhereItIsDrawn) {
    const std::string file = Data + "jpl_asteroids.json";
    std::string x, y;
    for (const std::string name : {"Vesta", "4", "(4) Vesta"}) {
        const auto r = RunChart(With(With({"find", name, "--elements", file}, Sky), {}));
        ASSERT_EQ(r.ExitStatus, 0) << r.Err;
        const auto lines = Lines(r.Out);
        ASSERT_GE(lines.size(), 2u) << name;
        const auto f = Fields(lines[1], '\t');
        ASSERT_EQ(f.size(), 12u);
        EXPECT_EQ(f[1], "8") << name;
        EXPECT_EQ(f[3], "(4) Vesta");
        EXPECT_EQ(f[8], "1");  // above the horizon that evening
        x = std::to_string(std::stoi(f[6]));
        y = std::to_string(std::stoi(f[7]));
    }
    auto r = RunChart(With({"identify", "--x", x, "--y", y, "--elements", file}, Sky));
    ASSERT_EQ(r.ExitStatus, 0) << r.Err;
    EXPECT_NE(r.Out.find("kind\t8\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("(4) Vesta\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("kisbolyg\xC3\xB3"), std::string::npos) << r.Out;
    // Tonight lists it (its magnitude of the night under the limit, and high enough).
    r = RunChart(
        With({"tonight", "--elements", file, "--mag", "9", "--min-alt", "10", "--kinds", "small-body"}, Sky));
    EXPECT_EQ(r.ExitStatus, 0) << r.Err;
    EXPECT_NE(r.Out.find("(4) Vesta\tminor planet\tsmall-body\t"), std::string::npos) << r.Out;
    // Without the bodies shown, the same click names a catalogue object.
    r = RunChart(With({"identify", "--x", x, "--y", y}, Sky));
    EXPECT_EQ(r.Out.find("kind\t8\n"), std::string::npos) << r.Out;
}

}  // namespace
}  // namespace kolvar::cli
