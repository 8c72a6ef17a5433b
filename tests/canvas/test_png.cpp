#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/png_reader.h"
#include "canvas/png_writer.h"

namespace kolvar {
namespace {

namespace fs = std::filesystem;

class PngFiles : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("kolvar_png_" + std::to_string(::getpid()) + "_" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

Bitmap Sample() {
    Bitmap b(37, 23, colours::Navy);
    Canvas c(b);
    c.SetPenColour(Colour{255, 128, 1});
    c.SetBrushColour(Colour{3, 200, 77});
    c.Ellipse(2, 2, 30, 20);
    b.SetPixel(36, 22, Colour{9, 8, 7});
    return b;
}

void ExpectSame(const Bitmap& a, const Bitmap& b) {
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    EXPECT_EQ(0, std::memcmp(a.Data(), b.Data(), static_cast<std::size_t>(a.Stride()) * a.Height()));
}

TEST_F(PngFiles, RoundTripKeepsEveryPixel) {
    const Bitmap b = Sample();
    const std::string path = (dir_ / "chart.png").string();
    ASSERT_EQ(WritePng(b, path), "");
    std::string err;
    const std::optional<Bitmap> back = ReadPng(path, &err);
    ASSERT_TRUE(back.has_value()) << err;
    ExpectSame(b, *back);
    // Overwriting an existing file works and leaves no temporary file behind.
    ASSERT_EQ(WritePng(Bitmap(3, 2, colours::White), path), "");
    EXPECT_EQ(ReadPng(path)->Width(), 3);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(PngFiles, FailedWritesReportAndLeaveNothingBehind) {
    const Bitmap b = Sample();
    EXPECT_NE(WritePng(b, (dir_ / "missing" / "x.png").string()), "");
    EXPECT_NE(WritePng(Bitmap(), (dir_ / "empty.png").string()), "");
    EXPECT_FALSE(fs::exists(dir_ / "empty.png"));
    // A directory in the way: the image is encoded but cannot replace it.
    fs::create_directory(dir_ / "taken.png");
    EXPECT_NE(WritePng(b, (dir_ / "taken.png").string()), "");
    EXPECT_TRUE(fs::is_directory(dir_ / "taken.png"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(PngFiles, ReadRejectsGarbageAndMissingFiles) {
    std::string err;
    EXPECT_FALSE(ReadPng((dir_ / "none.png").string(), &err).has_value());
    EXPECT_FALSE(err.empty());
    const unsigned char junk[] = "not a PNG at all, just words";
    err.clear();
    EXPECT_FALSE(ReadPngBytes(junk, sizeof junk, &err).has_value());
    EXPECT_FALSE(err.empty());
    EXPECT_FALSE(ReadPngBytes(nullptr, 0).has_value());
    // A truncated PNG fails rather than giving a partial picture.
    const std::string path = (dir_ / "cut.png").string();
    ASSERT_EQ(WritePng(Sample(), path), "");
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 60u);
    EXPECT_FALSE(ReadPngBytes(bytes.data(), bytes.size() - 20).has_value());
    EXPECT_TRUE(ReadPngBytes(bytes.data(), bytes.size()).has_value());
}

}  // namespace
}  // namespace kolvar
