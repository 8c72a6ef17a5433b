// The icons and the information window's pictures as the executables carry
// them: readable PNG files of exactly the sizes the windows lay out, with at
// most 16 colours.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "canvas/png_reader.h"
#include "embedded_assets.h"

namespace kolvar {
namespace {

struct Expected {
    const char* Name;
    assets::Bytes (*Bytes)();
    int Width;
    int Height;
};

TEST(RunicAssets, PicturesHaveTheirLayoutSizesAndSixteenColoursAtMost) {
    const Expected pictures[] = {
        {"KOLVARICON", assets::MainIcon, 48, 48},         {"KOLVARICON2", assets::SecondIcon, 32, 32},
        {"window icon", assets::WindowIcon, 32, 32},      {"turul", assets::TurulPicture, 182, 170},
        {"coat of arms", assets::CimerPicture, 138, 158}, {"flag", assets::ZaszloPicture, 168, 212},
    };
    for (const Expected& e : pictures) {
        SCOPED_TRACE(e.Name);
        const assets::Bytes bytes = e.Bytes();
        std::string error;
        std::optional<Bitmap> picture = ReadPngBytes(bytes.data(), bytes.size(), &error);
        ASSERT_TRUE(picture.has_value()) << error;
        EXPECT_EQ(picture->Width(), e.Width);
        EXPECT_EQ(picture->Height(), e.Height);
        std::set<std::uint32_t> colours;
        for (int y = 0; y < picture->Height(); ++y) {
            for (int x = 0; x < picture->Width(); ++x) colours.insert(picture->Pixel(x, y).ToColorRef());
        }
        EXPECT_LE(colours.size(), 16u);
        EXPECT_GE(colours.size(), 3u);  // a drawing, not a blank
    }
}

}  // namespace
}  // namespace kolvar
