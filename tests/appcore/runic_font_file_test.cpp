#include "appcore/runic_font_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kolvar {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Fills the file system that holds `dir` to the last byte.
void FillUp(const fs::path& dir) {
    std::ofstream filler(dir / "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) filler.flush();
    std::ofstream(dir / "filler", std::ios::binary | std::ios::app).put('f');  // and the last partial block
}

void ExpectFullDiskKeepsTheOldFont(const fs::path& dir) {
    const std::string old = "an older font file";
    std::ofstream(dir / RunicFontFileName, std::ios::binary) << old;
    FillUp(dir);
    EXPECT_FALSE(WriteRunicFontFile(dir, std::vector<unsigned char>(11980, 7)));
    EXPECT_EQ(ReadAll(dir / RunicFontFileName), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2)
        << "temporary file left";
}

class RunicFontFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "kolvar-font-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(RunicFontFileTest, ReplacesAnOlderFile) {
    std::ofstream(dir_ / RunicFontFileName) << "an older, longer font file than the new one";
    ASSERT_TRUE(WriteRunicFontFile(dir_, std::vector<unsigned char>(20, 'n')));
    EXPECT_EQ(ReadAll(dir_ / RunicFontFileName), std::string(20, 'n'));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(RunicFontFileTest, FullDiskLeavesThePreviousFile) {
    if (const char* inner = std::getenv("KOLVAR_TEST_FULL_DIR")) {
        ExpectFullDiskKeepsTheOldFont(inner);
        return;
    }
    // A small file system of its own: a tmpfs, mounted in a private mount
    // namespace, which only the superuser may do.
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    const std::string d = dir_.string();
    const std::string mount = "mount -t tmpfs -o size=64k kolvar-full " + d;
    if (std::system(("unshare -m sh -c '" + mount + "' >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "no tmpfs mount available here";
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string command = "unshare -m sh -c '" + mount + " && KOLVAR_TEST_FULL_DIR=" + d + " exec " +
                                self + " --gtest_filter=RunicFontFileTest.FullDiskLeavesThePreviousFile'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

}  // namespace
}  // namespace kolvar
