#include "run_chart.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace kolvar::cli::testing {

namespace {

std::string TempPath(const char* tag) {
    std::string path = "/tmp/kolvar_cli_" + std::string(tag) + "_XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) {
        throw std::runtime_error("mkstemp failed");
    }
    close(fd);
    return path;
}

std::string ReadAndRemove(const std::string& path) {
    std::string text = FileText(path);
    std::remove(path.c_str());
    return text;
}

}  // namespace

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

RunResult RunChart(const std::vector<std::string>& args, const std::string& stdoutFile) {
    const std::string outPath = stdoutFile.empty() ? TempPath("out") : stdoutFile;
    const std::string errPath = TempPath("err");

    std::vector<std::string> argvStrings{KOLVAR_CHART_BINARY};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : argvStrings) {
        argv.push_back(s.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_TRUNC, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);

    RunResult result;
    if (spawned == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (stdoutFile.empty()) result.Out = ReadAndRemove(outPath);
    result.Err = ReadAndRemove(errPath);
    return result;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string::npos) {
            return fields;
        }
        start = end + 1;
    }
}

ScratchOutputs::ScratchOutputs(const std::string& stem)
    : png("/tmp/kolvar_" + stem + "_" + std::to_string(::getpid()) + ".png"),
      tsv("/tmp/kolvar_" + stem + "_" + std::to_string(::getpid()) + ".tsv") {}

void ScratchOutputs::TearDown() {
    std::remove(png.c_str());
    std::remove(tsv.c_str());
}

bool ScratchOutputs::Exists(const std::string& path) { return std::ifstream(path).good(); }

}  // namespace kolvar::cli::testing
