// kolvar-chart identify as scripts use it: the lines name the object and its
// label texts exactly as the library composes them, the PNGs are the labels,
// and bad input writes nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "canvas/png_reader.h"
#include "identify/label_fit.h"
#include "identify_test_setup.h"
#include "run_chart.h"

namespace kolvar {
namespace {

using cli::testing::Fields;
using cli::testing::Lines;
using cli::testing::RunChart;

class IdentifyCommand : public ::testing::Test {
protected:
    void SetUp() override { prefix = "/tmp/kolvar_identify_test_" + std::to_string(::getpid()); }
    void TearDown() override {
        std::remove((prefix + "-left.png").c_str());
        std::remove((prefix + "-right.png").c_str());
    }
    static bool Exists(const std::string& path) { return std::ifstream(path).good(); }
    std::string prefix;
};

TEST_F(IdentifyCommand, NamesAlpheratzAndWritesItsLabels) {
    const auto r = RunChart({"identify", "--jd", "2460536.375", "--size", "800x600", "--x", "266", "--y",
                             "290", "--font-size", "12", "--labels", prefix});
    ASSERT_EQ(r.ExitStatus, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[0], "slot\t9");
    EXPECT_EQ(lines[1], "kind\t3");
    EXPECT_EQ(lines[2], "index\t0");
    EXPECT_EQ(lines[3], "row\t0\tSymbol\t13\tFFFFFF\t61 20 20");
    EXPECT_EQ(lines[4], "row\t1\tArial\t12\t00FF00\t  Andromedae");
    EXPECT_EQ(lines[5], "row\t2\tArial\t12\t00FF00\tAlpheratz");
    EXPECT_EQ(lines[7], "row\t4\tArial\t12\t00FF00\t");

    testing::InitialiseIdentifyTables();
    const RunicNameList names = CollectRunicNames(testing::StarSelection(0));
    ASSERT_EQ(lines.size(), 8 + names.Names.size() + 1);
    // "Alferac" drawn reversed and primary; the others marked.
    EXPECT_EQ(lines[8], "runic\t0\t00FFFF\t63 61 72 65 66 6C 61");
    EXPECT_EQ(Fields(lines[9], '\t')[2], "FFFFFF");
    EXPECT_EQ(Fields(lines[9], '\t')[3].substr(Fields(lines[9], '\t')[3].size() - 2), "3D");

    const std::vector<std::string> last = Fields(lines.back(), '\t');
    ASSERT_EQ(last.size(), 4u);
    EXPECT_EQ(last[0], "labels");
    EXPECT_EQ(last[1], "12");
    const auto left = ReadPng(prefix + "-left.png");
    const auto right = ReadPng(prefix + "-right.png");
    ASSERT_TRUE(left && right);
    EXPECT_EQ(last[2], std::to_string(left->Width()) + "x" + std::to_string(left->Height()));
    EXPECT_EQ(last[3], std::to_string(right->Width()) + "x" + std::to_string(right->Height()));
    const ObjectLabels expected = FitObjectLabels(
        testing::StarSelection(0), 12, {Rect{0, 0, 800, 600}, LabelMarginsOf(800, 600), std::nullopt});
    EXPECT_EQ(
        std::vector<unsigned char>(left->Data(), left->Data() + left->Stride() * left->Height()),
        std::vector<unsigned char>(expected.Left.Data(),
                                   expected.Left.Data() + expected.Left.Stride() * expected.Left.Height()));
}

TEST_F(IdentifyCommand, BadInputIsOneLineAndWritesNothing) {
    const std::vector<std::vector<std::string>> bad = {
        {"--y", "10"},
        {"--x", "10"},
        {"--x", "800", "--y", "10", "--size", "800x600"},  // one past the right edge
        {"--x", "-1", "--y", "10"},
        {"--x", "1.5", "--y", "10"},
        {"--x", "10", "--y", "10", "--font-size", "0"},
        {"--x", "10", "--y", "10", "--lat", "91"},
        {"--x", "10", "--y", "10", "--size", "0x10"},
        {"--x", "10", "--y", "10", "--labels="},
        {"--x", "10", "--y", "10", "--jd", "-1e8"},  // no orbits that day
    };
    for (std::vector<std::string> args : bad) {
        args.insert(args.begin(), "identify");
        if (args.back() != "--labels=") args.push_back("--labels=" + prefix);
        const auto r = RunChart(args);
        EXPECT_EQ(r.ExitStatus, 2) << r.Err;
        EXPECT_EQ(Lines(r.Err).size(), 1u) << r.Err;
        EXPECT_TRUE(r.Out.empty());
        EXPECT_FALSE(Exists(prefix + "-left.png") || Exists(prefix + "-right.png"));
    }
    const auto unwritable = RunChart(
        {"identify", "--x", "1", "--y", "1", "--jd", "2460536.375", "--labels", "/nonexistent-dir/label"});
    EXPECT_EQ(unwritable.ExitStatus, 1);
    EXPECT_EQ(Lines(unwritable.Err).size(), 1u) << unwritable.Err;
    // A directory where a picture should go is bad input, and neither picture is written.
    std::filesystem::create_directory(prefix + "-right.png");
    const auto directory = RunChart({"identify", "--x", "1", "--y", "1", "--labels", prefix});
    std::filesystem::remove(prefix + "-right.png");
    EXPECT_EQ(directory.ExitStatus, 2) << directory.Err;
    EXPECT_FALSE(Exists(prefix + "-left.png"));
}

}  // namespace
}  // namespace kolvar
