#pragma once

// Where the kolvar-chart subcommands put their files. An output is named by
// an option such as --out; "-" is standard output. A regular file (or a name
// not yet taken) is written completely or not at all: the bytes go to a new
// temporary file beside it, which replaces it only when complete, and a
// symbolic link is followed so the link stays. A target that exists and is not
// a regular file (a device such as /dev/null, a FIFO) is written into and
// never replaced. Every failure is one line for stderr, and exit status 1.

#include <string>
#include <string_view>

#include "canvas/bitmap.h"

namespace kolvar::cli {

inline constexpr std::string_view StandardOutputName = "-";

// Checks an output option's value before any work is done: an empty name or
// an existing directory is a UsageError (exit status 2).
void CheckOutputName(std::string_view option, std::string_view name);

// Whether two output names lead to the same file. Standard output is one
// output; devices and FIFOs may take several.
bool SameOutput(const std::string& a, const std::string& b);

// One output written in two steps, so that several outputs appear together:
// Stage writes the bytes (into the temporary file, or straight into standard
// output, a device or a FIFO), Commit puts the temporary file in place. A
// staged file that is never committed is removed.
class OutputFile {
public:
    explicit OutputFile(std::string name);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    [[nodiscard]] bool Stage(std::string_view bytes);
    [[nodiscard]] bool Commit();
    // The one-line reason of the last failure, e.g. "cannot write 'x.png': No space left on device".
    const std::string& Error() const { return error_; }
    bool IsStandardOutput() const { return name_ == StandardOutputName; }

private:
    bool Fail(const std::string& what, int err);

    std::string name_;
    std::string target_;     // the regular file to replace, links followed
    std::string temporary_;  // the staged file, empty when none
    std::string error_;
};

// Stage and Commit in one step; returns the failure line, "" on success.
std::string WriteOutput(const std::string& name, std::string_view bytes);

// The bitmap as a PNG file through WriteOutput; returns the failure line, "" on success.
std::string WritePng(const Bitmap& bitmap, const std::string& name);

}  // namespace kolvar::cli
