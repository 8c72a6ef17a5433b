#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kolvar::cli::testing {

struct RunResult {
    int ExitStatus = -1;  // -1 when the process did not exit normally
    std::string Out;
    std::string Err;
};

// Runs the built kolvar-chart with `args`, capturing stdout and stderr; with
// `stdoutFile`, standard output goes to that file (Out stays empty).
RunResult RunChart(const std::vector<std::string>& args, const std::string& stdoutFile = "");

// The whole file, empty when it cannot be read.
std::string FileText(const std::filesystem::path& file);

// Splits text into lines (without the line ends); a final line end adds no empty line.
std::vector<std::string> Lines(const std::string& text);
std::vector<std::string> Fields(const std::string& line, char separator);

// A PNG and an objects file name of this process under /tmp, removed after
// each test, so a command's outputs (or their absence) can be checked.
class ScratchOutputs : public ::testing::Test {
protected:
    explicit ScratchOutputs(const std::string& stem);
    void TearDown() override;
    static bool Exists(const std::string& path);

    std::string png, tsv;
};

}  // namespace kolvar::cli::testing
