#include "cli/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "appcore/file_writer.h"
#include "canvas/png_writer.h"
#include "cli/cli_options.h"

namespace kolvar::cli {

namespace {

std::string Describe(const WriteFailure& failure) {
    return failure.Action + " " + QuoteForMessage(failure.Name) + ": " + failure.Reason;
}

bool WriteStandardOutput(std::string_view bytes) {
    std::fflush(stdout);
    errno = 0;
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

}  // namespace

void CheckOutputName(std::string_view option, std::string_view name) {
    if (name.empty()) throw UsageError(std::string(option) + ": empty file name");
    if (name == StandardOutputName) return;
    switch (KindOfTarget(std::string(name))) {
        case TargetKind::Directory:
            throw UsageError(std::string(option) + ": " + QuoteForMessage(name) + " is a directory");
        case TargetKind::LinkLoop:
            throw UsageError(std::string(option) + ": " + QuoteForMessage(name) +
                             " is a loop of symbolic links");
        default:
            return;
    }
}

bool IsStandardOutput(const std::string& name) {
    if (name == StandardOutputName) return true;
    struct stat out {
    }, target{};
    return !name.empty() && ::fstat(STDOUT_FILENO, &out) == 0 && ::stat(name.c_str(), &target) == 0 &&
           out.st_dev == target.st_dev && out.st_ino == target.st_ino;
}

bool SameOutput(const std::string& a, const std::string& b) {
    if (a == StandardOutputName || b == StandardOutputName) return a == b;
    struct stat sa {
    }, sb{};
    const bool hasA = ::stat(a.c_str(), &sa) == 0;
    const bool hasB = ::stat(b.c_str(), &sb) == 0;
    if (hasA || hasB)
        return hasA && hasB && S_ISREG(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // Neither exists yet: the same name after "." and ".." and links in the folders are resolved.
    std::error_code errorA, errorB;
    const std::filesystem::path pathA = std::filesystem::weakly_canonical(FollowLinks(a).value_or(a), errorA);
    const std::filesystem::path pathB = std::filesystem::weakly_canonical(FollowLinks(b).value_or(b), errorB);
    if (!errorA && !errorB) return pathA == pathB;
    return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

std::string WriteOutputs(std::span<const Output> outputs) {
    FileWriter files(BulkOutputPolicy);
    for (const Output& output : outputs) {
        if (IsStandardOutput(output.Name)) {
            if (!WriteStandardOutput(output.Bytes))
                return std::string("cannot write to standard output: ") +
                       std::strerror(errno != 0 ? errno : EIO);
        } else if (const auto failure = files.Stage(output.Name, output.Bytes)) {
            return Describe(*failure);
        }
    }
    if (const auto failure = files.Commit()) return Describe(*failure);
    return "";
}

std::string_view PngBytes(const std::vector<unsigned char>& png) {
    return {reinterpret_cast<const char*>(png.data()), png.size()};
}

std::string WritePng(const Bitmap& bitmap, const std::string& name) {
    std::vector<unsigned char> png;
    std::string error;
    if (!EncodePng(bitmap, png, error)) return error;
    const Output output{name, PngBytes(png)};
    return WriteOutputs({&output, 1});
}

}  // namespace kolvar::cli
