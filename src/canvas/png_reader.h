#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "canvas/bitmap.h"

namespace kolvar {

// Reads a PNG file or PNG bytes of any colour type into a 24-bit bitmap
// (transparent pixels are composed onto black). Returns nothing on failure
// and, when `error` is given, a one-line reason there.
std::optional<Bitmap> ReadPng(const std::string& path, std::string* error = nullptr);
std::optional<Bitmap> ReadPngBytes(const unsigned char* data, std::size_t size, std::string* error = nullptr);

}  // namespace kolvar
