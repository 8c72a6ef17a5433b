#pragma once

#include <filesystem>
#include <span>

namespace kolvar {

inline constexpr const char* RunicFontFileName = "Runex23x.ttf";

// Writes the runic font into programDirectory as Runex23x.ttf through the
// file writer, completely or not at all: a full disk or a folder that refuses
// the file leaves the file that was there before, and a device or FIFO of
// that name (or at the end of its link) is left alone. Returns whether the
// file was written.
bool WriteRunicFontFile(const std::filesystem::path& programDirectory, std::span<const unsigned char> font);

}  // namespace kolvar
