// The two Moon faces are compiled in as PNG files (resources/moon_*.png,
// drawn by tools/draw_moon_pictures.py) and decoded on first use.

#include <cstddef>
#include <optional>
#include <utility>

#include "canvas/png_reader.h"
#include "chart/moon_picture.h"

extern const unsigned char MoonLightPng[];
extern const std::size_t MoonLightPng_size;
extern const unsigned char MoonDarkPng[];
extern const std::size_t MoonDarkPng_size;

namespace kolvar {

namespace {

Bitmap Decode(const unsigned char* bytes, std::size_t size) {
    std::optional<Bitmap> picture = ReadPngBytes(bytes, size);
    // The assets are built in and checked by the tests; should one ever fail
    // to decode, the phase picture stays black rather than the program failing.
    Bitmap face = picture ? std::move(*picture) : Bitmap(MoonPictureSize, MoonPictureSize);
    // A face of another size would misplace the phase cut; keep the geometry.
    if (face.Width() != MoonPictureSize || face.Height() != MoonPictureSize)
        face.Resize(MoonPictureSize, MoonPictureSize);
    return face;
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
