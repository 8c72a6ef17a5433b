// The two Moon faces are compiled in as PNG files (resources/moon_*.png,
// drawn by tools/draw_moon_pictures.py) and decoded on first use.

#include <cstddef>
#include <span>

#include "canvas/png.h"
#include "chart/moon_picture.h"

extern const unsigned char MoonLightPng[];
extern const std::size_t MoonLightPng_size;
extern const unsigned char MoonDarkPng[];
extern const std::size_t MoonDarkPng_size;

namespace kolvar {

namespace {

Bitmap Decode(const unsigned char* bytes, std::size_t size) {
    Bitmap picture = ReadPng(std::span<const unsigned char>(bytes, size));
    // A face of the wrong size would misplace the phase cut; keep the
    // expected geometry whatever the asset holds.
    if (picture.Width() != MoonPictureSize || picture.Height() != MoonPictureSize)
        picture.Resize(MoonPictureSize, MoonPictureSize);
    return picture;
}

}  // namespace

const Bitmap& LightMoonPicture() {
    static const Bitmap picture = Decode(MoonLightPng, MoonLightPng_size);
    return picture;
}

const Bitmap& DarkMoonPicture() {
    static const Bitmap picture = Decode(MoonDarkPng, MoonDarkPng_size);
    return picture;
}

}  // namespace kolvar
