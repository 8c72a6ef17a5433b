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

std::vector<unsigned char> Encoded(const Bitmap& b, const PngOptions& options = {}) {
    std::vector<unsigned char> png;
    std::string err;
    EXPECT_TRUE(EncodePng(b, png, err, options)) << err;
    return png;
}

TEST_F(PngFiles, RoundTripKeepsEveryPixelWithEveryFilterAndLevel) {
    const Bitmap b = Sample();
    for (const PngOptions& options :
         {PngOptions{}, PngOptions{9, 1, 0xF8}, PngOptions{1, 3, 0x20}, PngOptions{0, 0, 0x08}}) {
        const std::vector<unsigned char> png = Encoded(b, options);
        std::string err;
        const std::optional<Bitmap> back = ReadPngBytes(png.data(), png.size(), &err);
        ASSERT_TRUE(back.has_value()) << err;
        ExpectSame(b, *back);
    }
}

TEST_F(PngFiles, EmptyImageIsAnError) {
    std::vector<unsigned char> png{1, 2, 3};
    std::string err;
    EXPECT_FALSE(EncodePng(Bitmap(), png, err));
    EXPECT_FALSE(err.empty());
    EXPECT_TRUE(png.empty());
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
    const std::vector<unsigned char> bytes = Encoded(Sample());
    ASSERT_GT(bytes.size(), 60u);
    EXPECT_FALSE(ReadPngBytes(bytes.data(), bytes.size() - 20).has_value());
    EXPECT_TRUE(ReadPngBytes(bytes.data(), bytes.size()).has_value());
}

}  // namespace
}  // namespace kolvar
