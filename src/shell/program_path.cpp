#include "shell/program_path.h"

#include <unistd.h>

#include <system_error>

namespace kolvar {

std::filesystem::path ProgramDirectory()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

bool IsWritableDirectory(const std::filesystem::path& dir)
{
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

}  // namespace kolvar
