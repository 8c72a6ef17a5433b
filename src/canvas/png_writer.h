#pragma once

#include <string>
#include <vector>

#include "canvas/bitmap.h"

namespace kolvar {

// How the image data is compressed. The defaults suit our charts: large
// areas of one colour, a few hundred colours in all. zlib level 2 without row
// filters encodes a 1024 x 768 chart about five times faster than libpng's
// defaults (level 6, adaptive filters) into a file about a quarter larger;
// the png benchmark measures the alternatives.
struct PngOptions {
    int Level = 2;       // zlib level 0..9
    int Strategy = 0;    // Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE
    int Filters = 0x08;  // libpng filter mask: PNG_FILTER_NONE, ..._SUB, ..._UP, PNG_ALL_FILTERS
};

// The bitmap as the bytes of an 8-bit RGB PNG file. Returns false and sets
// `error` to a one-line reason when the image is empty or cannot be encoded.
[[nodiscard]] bool EncodePng(const Bitmap& bitmap, std::vector<unsigned char>& out, std::string& error,
                             const PngOptions& options = {});

}  // namespace kolvar
