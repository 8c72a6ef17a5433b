#include "appcore/file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "appcore/temporary_files.h"

namespace kolvar {
namespace {

constexpr std::string_view TemporaryMark = ".tmp-";
constexpr std::size_t RandomLength = 6;
constexpr int MaxLinkHops = 40;  // as many as the kernel follows in one name
constexpr const char* NotRegular = "not a regular file (a device, FIFO or socket)";

WriteFailure Failure(std::string action, const std::string& name, int err) {
    return {std::move(action), name, err, std::strerror(err)};
}

// The kind of what `name` leads to; `st` describes it when it exists.
TargetKind Inspect(const std::string& name, struct stat& st) {
    if (::stat(name.c_str(), &st) != 0) return errno == ELOOP ? TargetKind::LinkLoop : TargetKind::Missing;
    if (S_ISREG(st.st_mode)) return TargetKind::Regular;
    if (S_ISDIR(st.st_mode)) return TargetKind::Directory;
    return TargetKind::Special;
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

// Closes fd; false (errno set) when that or the earlier `ok` failed.
bool CloseAfter(int fd, bool ok) {
    const int err = errno;
    if (::close(fd) != 0) return false;
    errno = err;
    return ok;
}

// A device, FIFO or socket, written in place. Opened by its own name, so
// links such as /dev/stdout to a pipe lead where the kernel says.
std::optional<WriteFailure> WriteInto(const std::string& name, std::string_view bytes) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Failure("cannot open", name, errno);
    if (!CloseAfter(fd, WriteAll(fd, bytes))) return Failure("cannot write", name, errno);
    return std::nullopt;
}

// Where the last name of a path begins, and the folder before it.
std::size_t LeafStart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

std::string FolderOf(const std::string& path) {
    const std::size_t start = LeafStart(path);
    return start == 0 ? "." : start == 1 ? "/" : path.substr(0, start - 1);
}

// The longest name, in bytes, that the folder takes.
std::size_t NameLimit(const std::string& folder) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return static_cast<std::size_t>(limit > 0 ? limit : NAME_MAX);
}

bool LeafTooLong(const std::string& path) {
    return path.size() - LeafStart(path) > NameLimit(FolderOf(path));
}

// The start of the temporary's name beside `target`: the target's own name,
// cut (at a UTF-8 character boundary) where the whole would pass the
// folder's name limit, then ".tmp-".
std::string TemporaryPrefix(const std::string& target) {
    const std::size_t start = LeafStart(target);
    const std::size_t room = NameLimit(FolderOf(target)) - TemporaryMark.size() - RandomLength;
    std::size_t keep = target.size() - start;
    if (keep > room) {
        keep = room;
        while (keep > 0 && (static_cast<unsigned char>(target[start + keep]) & 0xC0) == 0x80) --keep;
    }
    return target.substr(0, start + keep) + std::string(TemporaryMark);
}

void AppendRandomCharacters(std::string& name) {
    static constexpr char Characters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[RandomLength];
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        // No entropy yet (very early boot): the clock, the process and a count.
        static std::atomic<std::uint64_t> count{0};
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        std::uint64_t mixed = static_cast<std::uint64_t>(now.tv_nsec) ^
                              (static_cast<std::uint64_t>(::getpid()) << 32) ^
                              (count++ * 0x9E3779B97F4A7C15ULL);
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(mixed);
            mixed = (mixed >> 8) | (mixed << 56);
        }
    }
    for (const unsigned char byte : bytes) name += Characters[byte % (sizeof Characters - 1)];
}

// Creates and registers a new temporary beside `target`; its descriptor, or
// -1 with errno set. Created by open rather than mkstemp, so that a new file
// gets its mode from the umask (and the folder's default ACL) as any new
// file does, without changing the process's umask under other threads.
int CreateTemporary(const std::string& target, mode_t mode, std::string& temporary) {
    const std::string prefix = TemporaryPrefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = prefix;
        AppendRandomCharacters(temporary);
        const HeldSignals held;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode);
        if (fd >= 0) {
            RegisterTemporary(temporary.c_str());
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

void RemoveTemporary(const std::string& temporary) {
    const HeldSignals held;
    ::unlink(temporary.c_str());
    ForgetTemporary(temporary.c_str());
}

// The replaced file's owner and group (the owner only where the process may
// give files away, i.e. as root; the group where it belongs to it), then its
// mode: changing the owner clears the set-user-ID and set-group-ID bits.
bool KeepOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

[[noreturn]] void ThrowErrno(int err, const std::string& what) {
    throw std::system_error(std::error_code(err, std::generic_category()), what);
}

}  // namespace

TargetKind KindOfTarget(const std::string& name) {
    struct stat st {};
    return Inspect(name, st);
}

std::optional<std::string> FollowLinks(std::string name) {
    for (int hops = 0; hops <= MaxLinkHops; ++hops) {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(name.c_str(), buffer, sizeof buffer);
        if (n <= 0) return name;  // no link (or no such name): the end of the chain
        const std::string_view target(buffer, static_cast<std::size_t>(n));
        const std::size_t slash = name.rfind('/');
        if (target.front() == '/' || slash == std::string::npos)
            name = target;
        else
            name = name.substr(0, slash + 1).append(target);
    }
    return std::nullopt;
}

bool NameTooLong(const std::string& name) {
    const std::optional<std::string> end = FollowLinks(name);
    return end && KindOfTarget(*end) == TargetKind::Missing && LeafTooLong(*end);
}

FileIdentity IdentityOf(const std::string& name) {
    const std::string end = FollowLinks(name).value_or(name);
    struct stat st {};
    if (::stat(end.c_str(), &st) == 0)
        return {"file " + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino),
                !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)};
    const std::string folder = FolderOf(end);
    const std::string leaf = end.substr(LeafStart(end));
    if (!leaf.empty() && leaf != "." && leaf != ".." && ::stat(folder.c_str(), &st) == 0)
        return {"in " + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + "/" + leaf};
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(end, error);
    return {"path " + (error ? std::filesystem::path(end) : absolute).lexically_normal().string()};
}

FileWriter::~FileWriter() {
    for (const Staged& file : staged_)
        if (!file.Temporary.empty()) RemoveTemporary(file.Temporary);
}

std::optional<WriteFailure> FileWriter::Stage(const std::string& name, std::string_view bytes) {
    struct stat old {};
    const TargetKind kind = Inspect(name, old);
    if (kind == TargetKind::LinkLoop) return Failure("cannot follow the links of", name, ELOOP);
    if (kind == TargetKind::Directory) return Failure("cannot write", name, EISDIR);
    if (kind == TargetKind::Special) {
        if (policy_.Special == SpecialTarget::WriteInto) return WriteInto(name, bytes);
        return WriteFailure{"cannot write", name, EINVAL, NotRegular};
    }
    const std::optional<std::string> target = FollowLinks(name);
    if (!target) return Failure("cannot follow the links of", name, ELOOP);
    const bool exists = kind == TargetKind::Regular;
    if (exists && ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0)
        return Failure("cannot write", name, errno);

    // A new name longer than the folder takes would fail only at the rename.
    if (!exists && LeafTooLong(*target)) return Failure("cannot write", name, ENAMETOOLONG);
    std::string temporary;
    const int fd = CreateTemporary(*target, exists ? (old.st_mode & 0777) : 0666, temporary);
    if (fd < 0) return Failure("cannot create a file beside", name, errno);
    staged_.push_back({name, *target, temporary});
    bool ok = !exists || KeepOwnerAndMode(fd, old);
    ok = ok && WriteAll(fd, bytes);
    ok = ok && (policy_.Sync == Flush::No || ::fsync(fd) == 0);
    if (CloseAfter(fd, ok)) return std::nullopt;
    const int err = errno;
    RemoveTemporary(temporary);
    staged_.pop_back();
    return Failure("cannot write", name, err);
}

std::optional<WriteFailure> FileWriter::Commit() {
    for (Staged& file : staged_) {
        const HeldSignals held;
        if (::rename(file.Temporary.c_str(), file.Target.c_str()) != 0) {
            const int err = errno;
            RemoveTemporary(file.Temporary);
            file.Temporary.clear();
            return Failure("cannot replace", file.Name, err);
        }
        ForgetTemporary(file.Temporary.c_str());
        file.Temporary.clear();
    }
    staged_.clear();
    return std::nullopt;
}

int RemoveLeftTemporaries(const std::string& name, int minimumAgeSeconds) {
    const std::string target = FollowLinks(name).value_or(name);
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target).substr(LeafStart(target));
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return 0;
    const time_t before = ::time(nullptr) - minimumAgeSeconds;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view leaf = entry->d_name;
        if (leaf.size() != prefix.size() + RandomLength || leaf.substr(0, prefix.size()) != prefix) continue;
        const std::string path = (folder == "/" ? "/" : folder + "/").append(leaf);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_mtime > before) continue;
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

std::optional<WriteFailure> WriteFile(const std::string& name, std::string_view bytes, WritePolicy policy) {
    FileWriter writer(policy);
    if (auto failure = writer.Stage(name, bytes)) return failure;
    return writer.Commit();
}

std::optional<std::string> ReadRegularFile(const std::string& name) {
    struct stat st {};
    const TargetKind kind = Inspect(name, st);
    if (kind == TargetKind::Missing && (errno == ENOENT || errno == ENOTDIR)) return std::nullopt;
    if (kind == TargetKind::Missing || kind == TargetKind::LinkLoop)
        ThrowErrno(errno, "cannot read the file");
    if (kind == TargetKind::Directory) ThrowErrno(EISDIR, "cannot read the file");
    if (kind == TargetKind::Special)
        ThrowErrno(EINVAL, std::string("will not read a file that is ") + NotRegular);
    // Without blocking, should the name have turned into a FIFO since.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) ThrowErrno(errno, "cannot read the file");
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        ThrowErrno(EINVAL, std::string("will not read a file that is ") + NotRegular);
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            ThrowErrno(err, "cannot read the file");
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

}  // namespace kolvar
