#pragma once

#include <string>

#include "canvas/bitmap.h"

namespace kolvar {

// Writes the bitmap as an 8-bit RGB PNG file. Returns an empty string on
// success, otherwise a one-line reason. The image goes to a temporary file in
// the same directory that is renamed over `path` only when complete, so a
// failed write never leaves a truncated PNG (nor touches an existing file).
[[nodiscard]] std::string WritePng(const Bitmap& bitmap, const std::string& path);

}  // namespace kolvar
