#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <system_error>
#include <vector>

#include "canvas/png_writer.h"
#include "cli/cli_options.h"

namespace kolvar::cli {

namespace {

// The file a chain of symbolic links ends at (the name itself when it is no
// link); the target need not exist yet.
std::string FollowLinks(std::string name) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        const std::filesystem::path path(name);
        if (!std::filesystem::is_symlink(path, error)) return name;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return name;
        name = (target.is_absolute() ? target : path.parent_path() / target).string();
    }
    return name;  // a loop: opening it reports ELOOP
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// One output written in two steps, so that several outputs appear together:
// Stage writes the bytes (into the temporary file, or straight into standard
// output, a device or a FIFO), Commit puts the temporary file in place. A
// staged file that is never committed is removed.
class OutputFile {
public:
    explicit OutputFile(std::string name) : name_(std::move(name)) {}
    ~OutputFile() {
        if (!temporary_.empty()) ::unlink(temporary_.c_str());
    }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    [[nodiscard]] bool Stage(std::string_view bytes);
    [[nodiscard]] bool Commit();
    // The one-line reason of the last failure.
    const std::string& Error() const { return error_; }

private:
    bool IsStandardOutput() const { return name_ == StandardOutputName; }
    bool Fail(const std::string& what, int err);

    std::string name_;
    std::string target_;     // the regular file to replace, links followed
    std::string temporary_;  // the staged file, empty when none
    std::string error_;
};

bool OutputFile::Fail(const std::string& what, int err) {
    error_ = what + ": " + std::strerror(err);
    return false;
}

bool OutputFile::Stage(std::string_view bytes) {
    if (IsStandardOutput()) {
        std::fflush(stdout);
        errno = 0;
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
            return Fail("cannot write to standard output", errno != 0 ? errno : EIO);
        return true;
    }
    const std::string shown = QuoteForMessage(name_);
    struct stat st {};
    const bool exists = ::stat(name_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return Fail("cannot write " + shown, EISDIR);
    if (exists && !S_ISREG(st.st_mode)) {
        // A device or a FIFO: written into, never replaced. Opened by its own
        // name, so links such as /dev/stdout to a pipe lead where the kernel says.
        const int fd = ::open(name_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return Fail("cannot open " + shown, errno);
        const bool written = WriteAll(fd, bytes);
        const int err = errno;
        if (::close(fd) != 0 && written) return Fail("cannot write " + shown, errno);
        return written ? true : Fail("cannot write " + shown, err);
    }
    target_ = FollowLinks(name_);
    // Renaming would replace even a file the user made read-only; such a file
    // is refused like a direct write to it would be.
    if (exists && ::access(target_.c_str(), W_OK) != 0) return Fail("cannot write " + shown, errno);

    std::vector<char> name(target_.begin(), target_.end());
    constexpr char Suffix[] = ".tmp-XXXXXX";
    name.insert(name.end(), Suffix, Suffix + sizeof Suffix);  // with the terminating zero
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return Fail("cannot create a file beside " + shown, errno);
    temporary_ = name.data();
    // mkstemp makes the file private; a replaced file keeps its permissions,
    // a new one gets those of any new file.
    ::fchmod(fd, exists ? static_cast<mode_t>(st.st_mode & 07777) : NewFileMode());
    // Written completely before it can replace anything, so a full disk shows
    // up here and the old file stays. No fsync: these files can be drawn
    // again, and waiting for the disk adds a millisecond or more to a cold
    // render (ext4, Debian's default, flushes a file renamed over another
    // before the rename anyway).
    bool ok = WriteAll(fd, bytes);
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return Fail("cannot write " + shown, err);
    }
    return true;
}

bool OutputFile::Commit() {
    if (temporary_.empty()) return true;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int err = errno;
        ::unlink(temporary_.c_str());
        temporary_.clear();
        return Fail("cannot replace " + QuoteForMessage(name_), err);
    }
    temporary_.clear();
    return true;
}

}  // namespace

void CheckOutputName(std::string_view option, std::string_view name) {
    if (name.empty()) throw UsageError(std::string(option) + ": empty file name");
    if (name == StandardOutputName) return;
    struct stat st {};
    if (::stat(std::string(name).c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        throw UsageError(std::string(option) + ": " + QuoteForMessage(name) + " is a directory");
}

bool SameOutput(const std::string& a, const std::string& b) {
    if (a == StandardOutputName || b == StandardOutputName) return a == b;
    struct stat sa {}, sb {};
    const bool hasA = ::stat(a.c_str(), &sa) == 0;
    const bool hasB = ::stat(b.c_str(), &sb) == 0;
    if (hasA || hasB) return hasA && hasB && S_ISREG(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // Neither exists yet: the same name after "." and ".." and links in the folders are resolved.
    std::error_code errorA, errorB;
    const std::filesystem::path pathA = std::filesystem::weakly_canonical(FollowLinks(a), errorA);
    const std::filesystem::path pathB = std::filesystem::weakly_canonical(FollowLinks(b), errorB);
    if (!errorA && !errorB) return pathA == pathB;
    return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

std::string WriteOutputs(std::span<const Output> outputs) {
    std::deque<OutputFile> files;
    for (const Output& output : outputs) {
        if (!files.emplace_back(output.Name).Stage(output.Bytes)) return files.back().Error();
    }
    for (OutputFile& file : files) {
        if (!file.Commit()) return file.Error();
    }
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
