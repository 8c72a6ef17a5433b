// The file writer's policy on every kind of target, and its temporaries on
// SIGINT and SIGTERM.
#include "appcore/file_writer.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
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
constexpr std::string_view Bytes = "new bytes";
constexpr uid_t Nobody = 65534;
const bool Root = ::geteuid() == 0;

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct stat StatOf(const fs::path& file)
{
    struct stat st {};
    ::stat(file.c_str(), &st);
    return st;
}

bool HasTemporaries(const fs::path& dir)
{
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.path().filename().string().find(".tmp-") != std::string::npos) return true;
    return false;
}

// A null device of our own where we may make one, so nothing real is at stake.
fs::path NullDevice(const fs::path& dir)
{
    return Root && ::mknod((dir / "null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0 ? dir / "null" : "/dev/null";
}

struct Case {
    const char* Name;
    std::function<std::string(const fs::path&)> Make;  // makes the target, returns the name written
    WritePolicy Policy;
    int Error;                                       // 0: written
    std::function<void(const fs::path&)> Check;  // what holds afterwards
    bool OnlyAsRoot = false;
    bool NotAsRoot = false;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.Name; }

void Old(const fs::path& file, mode_t mode)
{
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), mode);
}

const mode_t Umask = [] {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}();
std::future<std::string> fifoCopy;

const Case Cases[] = {
    {"NewFile", [](auto& d) { return d / "new.png"; }, BulkOutputPolicy, 0,
     [](auto& d) { EXPECT_EQ(StatOf(d / "new.png").st_mode & 07777, 0666 & ~Umask); }},
    {"ExistingFileKeepsItsMode", [](auto& d) { Old(d / "f", 0666); return d / "f"; }, SettingsPolicy, 0,
     [](auto& d) { EXPECT_EQ(StatOf(d / "f").st_mode & 07777, 0666u); }},
    {"LinkIsFollowedAndKept",
     [](auto& d) { Old(d / "real", 0600); fs::create_symlink("real", d / "link"); return d / "link"; },
     SettingsPolicy, 0, [](auto& d) {
         EXPECT_EQ(fs::read_symlink(d / "link"), "real");
         EXPECT_EQ(ReadAll(d / "real"), Bytes);
         EXPECT_EQ(StatOf(d / "real").st_mode & 07777, 0600u);
     }},
    {"DanglingLinkGetsItsEnd", [](auto& d) { fs::create_symlink("end", d / "link"); return d / "link"; },
     BulkOutputPolicy, 0, [](auto& d) { EXPECT_TRUE(fs::is_symlink(d / "link")); EXPECT_EQ(ReadAll(d / "end"), Bytes); }},
    {"LinkLoopIsRefusedAndStays",
     [](auto& d) { fs::create_symlink("b", d / "a"); fs::create_symlink("a", d / "b"); return d / "a"; },
     BulkOutputPolicy, ELOOP, [](auto& d) { EXPECT_EQ(fs::read_symlink(d / "a"), "b"); EXPECT_EQ(fs::read_symlink(d / "b"), "a"); }},
    {"DirectoryIsRefused", [](auto& d) { fs::create_directory(d / "sub"); return d / "sub"; }, BulkOutputPolicy, EISDIR,
     [](auto& d) { EXPECT_TRUE(fs::is_empty(d / "sub")); }},
    {"LongestNamesFit", [](auto& d) { return d / std::string(250, 'n'); }, BulkOutputPolicy, 0,
     [](auto& d) { EXPECT_TRUE(WriteFile(d / std::string(255, 'm'), Bytes, BulkOutputPolicy) == std::nullopt); }},
    {"ReadOnlyFileStays", [](auto& d) { Old(d / "f", 0444); return d / "f"; }, BulkOutputPolicy, EACCES,
     [](auto& d) { EXPECT_EQ(ReadAll(d / "f"), "old"); }, false, true},
    {"ReadOnlyFolderKeepsTheOldFile", [](auto& d) { Old(d / "f", 0644); ::chmod(d.c_str(), 0555); return d / "f"; },
     SettingsPolicy, EACCES, [](auto& d) { ::chmod(d.c_str(), 0755); EXPECT_EQ(ReadAll(d / "f"), "old"); }, false, true},
    {"OwnerAndGroupStay",
     [](auto& d) { Old(d / "f", 0640); EXPECT_EQ(::chown((d / "f").c_str(), Nobody, Nobody), 0); return d / "f"; },
     SettingsPolicy, 0, [](auto& d) {
         EXPECT_EQ(StatOf(d / "f").st_uid, Nobody);
         EXPECT_EQ(StatOf(d / "f").st_gid, Nobody);
         EXPECT_EQ(StatOf(d / "f").st_mode & 07777, 0640u);
     }, true},
    {"FifoIsWrittenInto",
     [](auto& d) {
         ::mkfifo((d / "fifo").c_str(), 0600);
         fifoCopy = std::async(std::launch::async, [f = d / "fifo"] { return ReadAll(f); });
         return d / "fifo";
     },
     BulkOutputPolicy, 0, [](auto& d) { EXPECT_EQ(fifoCopy.get(), Bytes); EXPECT_TRUE(fs::is_fifo(d / "fifo")); }},
    {"FifoIsRefusedWithoutWaiting",  // or SIGALRM ends the test
     [](auto& d) { ::alarm(20); ::mkfifo((d / "fifo").c_str(), 0600); return d / "fifo"; }, SettingsPolicy, EINVAL,
     [](auto& d) { ::alarm(0); EXPECT_TRUE(fs::is_fifo(d / "fifo")); }},
    {"DeviceIsWrittenInto", [](auto& d) { fs::create_symlink(NullDevice(d), d / "dev"); return d / "dev"; },
     BulkOutputPolicy, 0, [](auto& d) { EXPECT_TRUE(fs::is_symlink(d / "dev")); EXPECT_TRUE(fs::is_character_file(d / "dev")); }},
    {"DeviceIsRefused", [](auto& d) { fs::create_symlink(NullDevice(d), d / "dev"); return d / "dev"; },
     ProgramFontPolicy, EINVAL, [](auto& d) { EXPECT_TRUE(fs::is_symlink(d / "dev")); EXPECT_TRUE(fs::is_character_file(d / "dev")); }},
    {"SocketCannotBeOpened",
     [](auto& d) {
         sockaddr_un address{AF_UNIX, {}};
         (d / "socket").string().copy(address.sun_path, sizeof address.sun_path - 1);
         ::bind(::socket(AF_UNIX, SOCK_STREAM, 0), reinterpret_cast<sockaddr*>(&address), sizeof address);
         return d / "socket";
     },
     BulkOutputPolicy, ENXIO, [](auto& d) { EXPECT_TRUE(fs::is_socket(d / "socket")); }},
};

class FileWriterTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        std::string tmpl = (fs::temp_directory_path() / "kolvar-writer-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_P(FileWriterTest, FollowsThePolicy)
{
    const Case& c = GetParam();
    if ((c.OnlyAsRoot && !Root) || (c.NotAsRoot && Root)) GTEST_SKIP() << (Root ? "root may write anything" : "needs root");
    const std::string name = c.Make(dir_);
    const std::optional<WriteFailure> failure = WriteFile(name, Bytes, c.Policy);
    EXPECT_EQ(failure ? failure->Error : 0, c.Error) << (failure ? failure->Action + ": " + failure->Reason : "");
    if (!failure && fs::is_regular_file(name)) {
        EXPECT_EQ(ReadAll(name), Bytes);
    }
    c.Check(dir_);
    EXPECT_FALSE(HasTemporaries(dir_));
}

INSTANTIATE_TEST_SUITE_P(Targets, FileWriterTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Case>& row) { return std::string(row.param.Name); });

// A signal while one file is staged and the next waits for a FIFO's reader.
TEST_F(FileWriterTest, SignalsRemoveTheTemporaries)
{
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RemoveTemporariesOnSignals();
            FileWriter writer(BulkOutputPolicy);
            (void)writer.Stage(dir_ / "a.png", Bytes);
            (void)writer.Stage(dir_ / "fifo", Bytes);
            ::_exit(0);
        }
        for (int wait = 0; wait < 1000 && !HasTemporaries(dir_); ++wait) ::usleep(10000);
        ASSERT_TRUE(HasTemporaries(dir_));
        ::kill(child, signalNumber);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber);
        EXPECT_FALSE(HasTemporaries(dir_));
        EXPECT_FALSE(fs::exists(dir_ / "a.png"));
    }
}

}  // namespace
}  // namespace kolvar
