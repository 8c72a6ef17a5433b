#include "appcore/program_path.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace kolvar {

std::filesystem::path ProgramDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path KolvarDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / "kolvar";
    const char* user = std::getenv("HOME");
    return std::filesystem::path(user != nullptr && user[0] != '\0' ? user : "/") / ".local" / "share" /
           "kolvar";
}

bool IsWritableDirectory(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

bool MayKeepFilesBeside(const std::filesystem::path& dir) {
    constexpr std::array<std::string_view, 8> SystemProgramFolders{
        "/bin",           "/sbin",           "/usr/bin",   "/usr/sbin",
        "/usr/local/bin", "/usr/local/sbin", "/usr/games", "/usr/local/games"};
    std::error_code ec;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(dir, ec);
    if (ec) resolved = dir;
    std::string folder = resolved.lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    for (std::string_view system : SystemProgramFolders)
        if (folder == system) return false;
    return IsWritableDirectory(dir);
}

}  // namespace kolvar
