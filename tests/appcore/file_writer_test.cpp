// The file writer's policy on every kind of target, and its temporaries on SIGINT and SIGTERM.
#include "appcore/file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <sstream>

#include "appcore/temporary_files.h"

namespace kolvar {
namespace {

namespace fs = std::filesystem;
using Path = const fs::path&;
constexpr std::string_view Bytes = "new bytes";
constexpr uid_t Nobody = 65534;
const bool Root = ::geteuid() == 0;
const mode_t Umask = [] {
    const mode_t mask = ::umask(022);
    return ::umask(mask), mask;
}();
std::future<std::string> fifoCopy;

std::string ReadAll(Path file) {
    std::stringstream s;
    s << std::ifstream(file, std::ios::binary).rdbuf();
    return s.str();
}
struct stat StatOf(Path file) {
    struct stat st {};
    return ::stat(file.c_str(), &st), st;
}
mode_t ModeOf(Path file) { return StatOf(file).st_mode & 07777; }
fs::path Old(Path file, mode_t mode) {
    return std::ofstream(file) << "old", ::chmod(file.c_str(), mode), file;
}
fs::path Link(Path d, const char* from, Path to) { return fs::create_symlink(to, d / from), d / from; }
fs::path Fifo(Path d) { return ::mkfifo((d / "fifo").c_str(), 0600), d / "fifo"; }
bool HasTemporaries(Path dir) {
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.path().filename().string().find(".tmp-") != std::string::npos) return true;
    return false;
}
// A link to a null device of our own where we may make one, so nothing real is at stake.
fs::path DeviceLink(Path d) {
    const bool made = Root && ::mknod((d / "null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    return Link(d, "dev", made ? d / "null" : "/dev/null");
}
bool IsDeviceLink(Path d) { return fs::is_symlink(d / "dev") && fs::is_character_file(d / "dev"); }

struct Case {
    const char* Name;
    std::function<fs::path(Path)> Make;  // makes the target in the folder, returns the name written
    WritePolicy Policy;
    int Error;                        // 0: written
    std::function<bool(Path)> Check;  // what holds afterwards
    int NeedsRoot = 0;                // 1 only as root, -1 only as an ordinary user
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.Name; }

constexpr WritePolicy Bulk = BulkOutputPolicy, Settings = SettingsPolicy, Font = ProgramFontPolicy;
const Case Cases[] = {
    {"NewFile", [](Path d) { return d / "new"; }, Bulk, 0,
     [](Path d) { return ModeOf(d / "new") == (0666 & ~Umask); }},
    {"ExistingFileKeepsItsMode", [](Path d) { return Old(d / "f", 0666); }, Settings, 0,
     [](Path d) { return ModeOf(d / "f") == 0666; }},
    {"LinkIsFollowedAndKept", [](Path d) { return Old(d / "real", 0600), Link(d, "link", "real"); }, Settings,
     0, [](Path d) { return fs::read_symlink(d / "link") == "real" && ModeOf(d / "real") == 0600; }},
    {"DanglingLinkGetsItsEnd", [](Path d) { return Link(d, "link", "end"); }, Bulk, 0,
     [](Path d) { return fs::is_symlink(d / "link") && fs::is_regular_file(d / "end"); }},
    {"LinkLoopIsRefusedAndStays", [](Path d) { return Link(d, "b", "a"), Link(d, "a", "b"); }, Bulk, ELOOP,
     [](Path d) { return fs::read_symlink(d / "a") == "b" && fs::read_symlink(d / "b") == "a"; }},
    {"DirectoryIsRefused", [](Path d) { return fs::create_directory(d / "sub"), d / "sub"; }, Bulk, EISDIR,
     [](Path d) { return fs::is_empty(d / "sub"); }},
    {"LongestNamesFit", [](Path d) { return d / std::string(250, 'n'); }, Bulk, 0,
     [](Path d) { return !WriteFile(d / std::string(255, 'm'), Bytes, Bulk); }},
    {"TooLongANameIsToldSo", [](Path d) { return d / std::string(256, 'n'); }, Bulk, ENAMETOOLONG,
     [](Path d) { return fs::is_empty(d); }},
    {"ReadOnlyFileStays", [](Path d) { return Old(d / "f", 0444); }, Bulk, EACCES,
     [](Path d) { return ReadAll(d / "f") == "old"; }, -1},
    {"ReadOnlyFolderKeepsTheOldFile",
     [](Path d) { return Old(d / "f", 0644), ::chmod(d.c_str(), 0555), d / "f"; }, Settings, EACCES,
     [](Path d) { return ::chmod(d.c_str(), 0755), ReadAll(d / "f") == "old"; }, -1},
    {"OwnerAndGroupStay",
     [](Path d) { return Old(d / "f", 0640), ::chown((d / "f").c_str(), Nobody, Nobody), d / "f"; }, Settings,
     0, [](Path d) { return StatOf(d / "f").st_uid == Nobody && StatOf(d / "f").st_gid == Nobody; }, 1},
    {"FifoIsWrittenInto",
     [](Path d) { return fifoCopy = std::async(std::launch::async, ReadAll, Fifo(d)), d / "fifo"; }, Bulk, 0,
     [](Path d) { return fifoCopy.get() == Bytes && fs::is_fifo(d / "fifo"); }},
    {"FifoIsRefusedWithoutWaiting", [](Path d) { return ::alarm(20), Fifo(d); }, Settings,
     EINVAL,  // or SIGALRM
     [](Path d) { return ::alarm(0), fs::is_fifo(d / "fifo"); }},
    {"DeviceIsWrittenInto", DeviceLink, Bulk, 0, IsDeviceLink},
    {"DeviceIsRefused", DeviceLink, Font, EINVAL, IsDeviceLink},
};

class FileWriterTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override { ASSERT_NE(::mkdtemp(dir_.data()), nullptr); }
    void TearDown() override { fs::remove_all(dir_); }
    std::string dir_ = (fs::temp_directory_path() / "kolvar-writer-XXXXXX").string();
};

TEST_P(FileWriterTest, FollowsThePolicy) {
    const Case& c = GetParam();
    if (c.NeedsRoot != 0 && (c.NeedsRoot > 0) != Root)
        GTEST_SKIP() << (Root ? "root may write all" : "needs root");
    const fs::path name = c.Make(dir_);
    const std::optional<WriteFailure> failure = WriteFile(name, Bytes, c.Policy);
    EXPECT_EQ(failure ? failure->Error : 0, c.Error)
        << (failure ? failure->Action + ": " + failure->Reason : "");
    EXPECT_TRUE(failure || !fs::is_regular_file(name) || ReadAll(name) == Bytes);
    EXPECT_TRUE(c.Check(dir_));
    EXPECT_FALSE(HasTemporaries(dir_));
}

INSTANTIATE_TEST_SUITE_P(Targets, FileWriterTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Case>& row) {
                             return std::string(row.param.Name);
                         });

// A signal while one file is staged and the next waits for a FIFO's reader.
TEST_F(FileWriterTest, SignalsRemoveTheTemporaries) {
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        const pid_t child = ::fork();
        if (child == 0) {
            RemoveTemporariesOnSignals();
            FileWriter writer(Bulk);
            ::_exit(writer.Stage(dir_ + "/a.png", Bytes) || writer.Stage(Fifo(dir_), Bytes) ? 1 : 0);
        }
        for (int wait = 0; wait < 1000 && !HasTemporaries(dir_); ++wait) ::usleep(10000);
        ASSERT_TRUE(HasTemporaries(dir_));
        ::kill(child, signalNumber);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber);
        EXPECT_FALSE(HasTemporaries(dir_) || fs::exists(dir_ + "/a.png"));
    }
}

}  // namespace
}  // namespace kolvar
