#pragma once

#include <filesystem>

namespace kolvar {

// The folder that holds the running executable (from /proc/self/exe); the
// current folder if that cannot be read.
std::filesystem::path ProgramDirectory();

// The folder of the files the program keeps for the user (observing lists,
// imported comets and minor planets, a drawn horizon): $XDG_DATA_HOME/kolvar
// when that is an absolute path, else ~/.local/share/kolvar.
std::filesystem::path KolvarDataFolder();

// True when a new file can be created in `dir`.
bool IsWritableDirectory(const std::filesystem::path& dir);

// True when the program may keep its files (settings, runic font) beside an
// executable in `dir`: the folder is writable and is not one of the system's
// shared program folders (/usr/bin, /usr/local/bin ...), whose files belong
// to the package manager even when root could write there.
bool MayKeepFilesBeside(const std::filesystem::path& dir);

}  // namespace kolvar
