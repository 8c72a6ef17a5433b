// Where kolvar-chart's files go: FIFOs and devices are written into, never
// replaced; "-" is standard output; failures to write are one line and exit
// status 1, impossible targets one line and exit status 2.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "canvas/png_reader.h"
#include "run_chart.h"

namespace kolvar::cli {
namespace {

namespace fs = std::filesystem;
using testing::FileText;
using testing::Lines;
using testing::RunChart;

const std::vector<std::string> SmallChart{"render", "--jd", "2451545", "--size", "64x48"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

bool IsChartPng(const std::string& bytes) {
    const std::optional<Bitmap> image =
        ReadPngBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return image && image->Width() == 64 && image->Height() == 48;
}

// Copies everything written into the FIFO to `copy`, in a child process that
// gives up after ten seconds (a FIFO replaced by a file never gets a writer).
class FifoDrain {
public:
    FifoDrain(const fs::path& fifo, const fs::path& copy) : copy_(copy) {
        pid_ = ::fork();
        if (pid_ != 0) return;
        ::alarm(10);
        const int in = ::open(fifo.c_str(), O_RDONLY);
        const int out = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        char buffer[65536];
        ssize_t n = 0;
        while (in >= 0 && out >= 0 && (n = ::read(in, buffer, sizeof buffer)) > 0)
            if (::write(out, buffer, static_cast<std::size_t>(n)) != n) ::_exit(1);
        ::_exit(in >= 0 && out >= 0 && n == 0 ? 0 : 1);
    }
    // What the FIFO carried, or nothing when the drain did not finish cleanly.
    std::optional<std::string> Take() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
        return FileText(copy_);
    }

private:
    fs::path copy_;
    pid_t pid_ = -1;
};

class OutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "kolvar-output-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(OutputTest, FifosAndDevicesAreWrittenIntoAndStay) {
    const fs::path picture = dir_ / "picture.fifo", table = dir_ / "table.fifo";
    ASSERT_EQ(::mkfifo(picture.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(table.c_str(), 0600), 0);
    FifoDrain pictureDrain(picture, dir_ / "picture.copy");
    FifoDrain tableDrain(table, dir_ / "table.copy");
    const auto run = RunChart(With(SmallChart, {"--out", picture.string(), "--objects", table.string()}));
    EXPECT_EQ(run.ExitStatus, 0) << run.Err;
    const std::optional<std::string> png = pictureDrain.Take();
    const std::optional<std::string> tsv = tableDrain.Take();
    ASSERT_TRUE(png && tsv) << "a FIFO was not written into";
    EXPECT_TRUE(IsChartPng(*png));
    EXPECT_EQ(tsv->rfind("slot\tkind\t", 0), 0u);
    EXPECT_TRUE(fs::is_fifo(picture));
    EXPECT_TRUE(fs::is_fifo(table));

    // A character device: the null device, made here so nothing real is at stake.
    const fs::path device = dir_ / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    const auto toDevice = RunChart(With(SmallChart, {"--out", device.string()}));
    EXPECT_EQ(toDevice.ExitStatus, 0) << toDevice.Err;
    EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(OutputTest, DashIsStandardOutputAndThenNoPathIsPrinted) {
    const fs::path table = dir_ / "objects.tsv";
    const auto run = RunChart(With(SmallChart, {"--out", "-", "--objects", table.string()}));
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_TRUE(IsChartPng(run.Out));
    EXPECT_EQ(FileText(table).rfind("slot\tkind\t", 0), 0u);

    const auto sheet = RunChart({"runic", "--out", "-"});
    ASSERT_EQ(sheet.ExitStatus, 0) << sheet.Err;
    EXPECT_EQ(sheet.Out.rfind("\x89PNG\r\n", 0), 0u);

    // Standard output under other names, a pipe or a redirected file: the
    // stream ends with the PNG's last chunk, no path line after it.
    const std::string redirected = (dir_ / "redirected.png").string();
    const std::string chart = std::string(KOLVAR_CHART_BINARY) + " render --jd 2451545 --size 64x48 --out ";
    for (const std::string& name : {std::string("/dev/stdout"), std::string("/proc/self/fd/1"), redirected}) {
        std::string bytes;
        if (name == redirected) {
            std::ofstream{redirected} << "old";
            ASSERT_EQ(RunChart(With(SmallChart, {"--out", name}), redirected).ExitStatus, 0);
            bytes = FileText(redirected);
        } else {
            FILE* pipe = ::popen((chart + name).c_str(), "r");
            ASSERT_NE(pipe, nullptr);
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
                bytes.append(buffer, n);
            ASSERT_EQ(::pclose(pipe), 0) << name;
        }
        EXPECT_TRUE(IsChartPng(bytes)) << name;
        EXPECT_TRUE(bytes.ends_with(std::string("IEND\xAE\x42\x60\x82", 8))) << name;
    }
}

TEST_F(OutputTest, LinkedTargetIsReplacedKeepingTheLinkAndTheMode) {
    const fs::path real = dir_ / "real.png", link = dir_ / "link.png";
    std::ofstream(real) << "old";
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    fs::create_symlink("real.png", link);
    const auto run = RunChart(With(SmallChart, {"--out", link.string()}));
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(IsChartPng(FileText(real)));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(OutputTest, FailuresToWriteAreOneLineAndStatusOne) {
    for (const std::vector<std::string>& args : {
             With(SmallChart, {"--out", (dir_ / "x.png").string()}),  // the path line
             With(SmallChart, {"--out", "-"}),
             std::vector<std::string>{"ephemeris", "--jd", "2451545"},
             std::vector<std::string>{"identify", "--x", "5", "--y", "5", "--jd", "2451545", "--size",
                                      "64x48"},
             std::vector<std::string>{"closeup", "--az", "0", "--alt", "45", "--jd", "2451545", "--bench",
                                      "1"},
             std::vector<std::string>{"render", "--help"},
         }) {
        const auto run = RunChart(args, "/dev/full");
        EXPECT_EQ(run.ExitStatus, 1) << args.back();
        EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
        EXPECT_NE(run.Err.find("standard output"), std::string::npos) << run.Err;
    }
    const auto missing = RunChart(With(SmallChart, {"--out", (dir_ / "no" / "x.png").string()}));
    EXPECT_EQ(missing.ExitStatus, 1);
    EXPECT_EQ(Lines(missing.Err).size(), 1u) << missing.Err;
}

TEST_F(OutputTest, DirectoryTargetIsBadInput) {
    for (const std::vector<std::string>& args : {
             With(SmallChart, {"--out", dir_.string()}),
             With(SmallChart, {"--out", (dir_ / "x.png").string(), "--objects", dir_.string()}),
             std::vector<std::string>{"runic", "--out", dir_.string()},
         }) {
        const auto run = RunChart(args);
        EXPECT_EQ(run.ExitStatus, 2) << run.Err;
        EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
        EXPECT_TRUE(run.Out.empty());
    }
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(OutputTest, LinkLoopIsBadInputAndABrokenPipeIsOneLine) {
    fs::create_symlink("b", dir_ / "a");
    fs::create_symlink("a", dir_ / "b");
    const auto loop = RunChart(With(SmallChart, {"--out", (dir_ / "a").string()}));
    EXPECT_EQ(loop.ExitStatus, 2) << loop.Err;
    EXPECT_EQ(fs::read_symlink(dir_ / "a"), "b");
    // The objects table (300 kB) overfills the pipe that head stops reading.
    const std::string script = "cd " + dir_.string() +
                               " && " KOLVAR_CHART_BINARY
                               " render --jd 2451545 --size 64x48 --out c.png --objects - 2>err"
                               " | head -c 10 >/dev/null; exit ${PIPESTATUS[0]}";
    const int status = std::system(("bash -c '" + script + "'").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(Lines(FileText(dir_ / "err")).size(), 1u) << FileText(dir_ / "err");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3)
        << "a, b and err only";
}

// Outputs that would land on one another, however named: refused before
// anything is written (status 2), every file as it was.
TEST_F(OutputTest, OutputsThatMeetAreRefusedAndNothingIsWritten) {
    const std::string chart = std::string(KOLVAR_CHART_BINARY) + " render --size 64x48 ";
    const std::string one = chart + "--jd 2451545 ", series = chart + "--from 2451545 --step 1d ";
    const std::string closeup = std::string(KOLVAR_CHART_BINARY) + " closeup --az 180 --alt 30 --jd 2451545 ";
    const std::string identify = std::string(KOLVAR_CHART_BINARY) + " identify --x 5 --y 5 --jd 2451545 ";
    const std::string longName(300, 'n');
    const char* shared[] = {"--out x1 --objects ./x1",           "--out z.png --objects \"$PWD/z.png\"",
                            "--out d/../y.png --objects y.png",
                            "--out l.png --objects z.png",  // l.png is a link to z.png
                            "--out - --objects /dev/stdout > o", "--out - --objects z.png > z.png"};
    std::vector<std::string> scripts;
    for (const char* args : shared) scripts.push_back(one + args);
    scripts.push_back(closeup + "--out - --objects /proc/self/fd/1 > o");
    scripts.push_back(closeup + "--out x1 --objects ./d/../x1");
    scripts.push_back(series + "--to 2451555 --out 'x%02d' --objects 'x%d'");         // chart 10
    scripts.push_back(series + "--to 2451555 --out 's%d.png' --objects 's%d0.png'");  // table 1
    scripts.push_back(series + "--to 2451547 --out 's-%d.png' > s-3.png");
    scripts.push_back(series + "--to 2451547 --out 'l%d.png'");  // l1.png is a link to l2.png
    scripts.push_back(series + "--to 2451547 --out $'a\\n%d.png'");
    scripts.push_back(identify + "--labels q > q-right.png");
    scripts.push_back(one + "--out " + longName + ".png");
    for (const std::string& script : scripts) {
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "d");
        for (const char* name : {"x1", "z.png", "l2.png"}) std::ofstream(dir_ / name) << "old";
        fs::create_symlink("z.png", dir_ / "l.png");
        fs::create_symlink("l2.png", dir_ / "l1.png");
        const int status = std::system(("cd " + dir_.string() + " && bash -c '" +
                                        std::regex_replace(script, std::regex("'"), "'\\''") + "' 2>err")
                                           .c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << script;
        EXPECT_EQ(Lines(FileText(dir_ / "err")).size(), 1u) << script << ": " << FileText(dir_ / "err");
        for (const auto& entry : fs::directory_iterator(dir_)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_directory() || entry.is_symlink() || name == "err") continue;
            EXPECT_TRUE(name == "x1" || name == "z.png" || name == "l2.png" || name == "o" ||
                        name == "s-3.png" || name == "q-right.png")
                << script << " wrote " << name;
            EXPECT_EQ(FileText(entry.path()).find("PNG"), std::string::npos)
                << script << " wrote into " << name;
        }
    }
}

// Standard output as the single render writes it: print under any of its
// names, and a series' path lines on a full disk.
TEST_F(OutputTest, StandardOutputUnderAnyNameAndFullInASeries) {
    const std::string pdf = (dir_ / "sheet.pdf").string();
    std::ofstream{pdf} << "";
    ASSERT_EQ(RunChart({"print", "--jd", "2451545", "--out", "/dev/stdout"}, pdf).ExitStatus, 0);
    EXPECT_EQ(FileText(pdf).rfind("%PDF-", 0), 0u);
    const auto full = RunChart({"render", "--size", "64x48", "--from", "2451545", "--to", "2451546", "--step",
                                "1d", "--out", (dir_ / "s%d.png").string()},
                               "/dev/full");
    EXPECT_EQ(full.ExitStatus, 1);
    EXPECT_EQ(full.Err, "kolvar-chart render: cannot write to standard output: No space left on device\n");
}

}  // namespace
}  // namespace kolvar::cli
