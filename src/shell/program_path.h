#pragma once

#include <filesystem>

namespace kolvar {

// The folder that holds the running executable (from /proc/self/exe); the
// current folder if that cannot be read.
std::filesystem::path ProgramDirectory();

// True when a new file can be created in `dir`.
bool IsWritableDirectory(const std::filesystem::path& dir);

}  // namespace kolvar
