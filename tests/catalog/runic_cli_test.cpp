// kolvar-chart runic: writes the sheet, refuses bad options without writing.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "../cli/run_chart.h"
#include "canvas/png_reader.h"

namespace kolvar {
namespace {

using cli::testing::RunChart;

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("kolvar_runic_") + name)).string();
}

TEST(RunicCommand, WritesTheSheet) {
    const std::string out = TempPath("sheet.png");
    std::remove(out.c_str());
    const auto result = RunChart({"runic", "--out", out});
    ASSERT_EQ(result.ExitStatus, 0) << result.Err;
    EXPECT_EQ(result.Out, out + "\n");
    std::optional<Bitmap> sheet = ReadPng(out);
    ASSERT_TRUE(sheet.has_value());
    EXPECT_EQ(sheet->Width(), 1920);
    EXPECT_GT(sheet->Height(), 1500);  // glyph grid, names in three columns, captions
    // Navy background; primary runic names are drawn in cyan.
    EXPECT_EQ(sheet->Pixel(2, 2), colours::Navy);
    int cyan = 0;
    for (int y = 0; y < sheet->Height(); ++y) {
        for (int x = 0; x < sheet->Width(); ++x) cyan += sheet->Pixel(x, y) == colours::Cyan;
    }
    EXPECT_GT(cyan, 1000);
    std::remove(out.c_str());
}

TEST(RunicCommand, BadOptionsAreUsageErrorsAndWriteNothing) {
    const std::string out = TempPath("never.png");
    std::remove(out.c_str());
    auto unknown = RunChart({"runic", "--out", out, "--size", "10x10"});
    EXPECT_EQ(unknown.ExitStatus, 2);
    EXPECT_NE(unknown.Err.find("kolvar-chart runic:"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(RunChart({"runic", "--out", ""}).ExitStatus, 2);
    EXPECT_EQ(RunChart({"runic", "extra"}).ExitStatus, 2);
}

TEST(RunicCommand, UnwritableOutputFails) {
    auto result = RunChart({"runic", "--out", "/nonexistent-dir/x/runes.png"});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_FALSE(result.Err.empty());
}

TEST(RunicCommand, HelpDescribesTheOption) {
    auto result = RunChart({"runic", "--help"});
    EXPECT_EQ(result.ExitStatus, 0);
    EXPECT_NE(result.Out.find("--out"), std::string::npos);
}

}  // namespace
}  // namespace kolvar
