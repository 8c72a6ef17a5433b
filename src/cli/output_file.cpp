#include "cli/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
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
            break;
    }
    if (NameTooLong(std::string(name)))
        throw UsageError(std::string(option) + ": file name too long: " + QuoteForMessage(name));
}

bool IsStandardOutput(const std::string& name) {
    if (name == StandardOutputName) return true;
    struct stat out {
    }, target{};
    return !name.empty() && ::fstat(STDOUT_FILENO, &out) == 0 && ::stat(name.c_str(), &target) == 0 &&
           out.st_dev == target.st_dev && out.st_ino == target.st_ino;
}

void CheckOutputsApart(std::span<const NamedOutput> outputs, std::string_view stdoutCarries) {
    const NamedOutput* onStdout = nullptr;
    std::vector<std::pair<std::string, const NamedOutput*>> files;
    files.reserve(outputs.size());
    for (const NamedOutput& output : outputs) {
        if (IsStandardOutput(output.Name)) {
            if (!stdoutCarries.empty()) {
                throw UsageError(std::string(output.Option) + ": " + QuoteForMessage(output.Name) +
                                 " is standard output, which carries " + std::string(stdoutCarries));
            }
            if (onStdout != nullptr) {
                throw UsageError(std::string(onStdout->Option) + " and " + std::string(output.Option) +
                                 " both name standard output");
            }
            onStdout = &output;
            continue;
        }
        FileIdentity identity = IdentityOf(output.Name);
        if (!identity.Special) files.emplace_back(std::move(identity.Key), &output);
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto twice = std::adjacent_find(files.begin(), files.end(),
                                          [](const auto& a, const auto& b) { return a.first == b.first; });
    if (twice == files.end()) return;
    const NamedOutput& first = *twice->second;
    const NamedOutput& second = *std::next(twice)->second;
    std::string names = QuoteForMessage(first.Name);
    if (second.Name != first.Name) names += " and " + QuoteForMessage(second.Name);
    if (first.Option == second.Option)
        throw UsageError(std::string(first.Option) + " names one file twice: " + names);
    throw UsageError(std::string(first.Option) + " and " + std::string(second.Option) +
                     " name the same file " + names);
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
