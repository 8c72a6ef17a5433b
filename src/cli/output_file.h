#pragma once

// Where the kolvar-chart subcommands put their files. An output is named by
// an option such as --out; "-" is standard output. Every other name goes
// through the file writer (appcore/file_writer.h) with BulkOutputPolicy:
// links followed and kept, a regular file replaced only when the new one is
// complete, an existing device or FIFO written into and never replaced.
// Every failure is one line for stderr, and exit status 1.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/bitmap.h"

namespace kolvar::cli {

inline constexpr std::string_view StandardOutputName = "-";

// Whether an output name is standard output: "-", or any other name of the
// file that standard output is open on (/dev/stdout, /proc/self/fd/1, or the
// very path the shell redirected it to; the same device and inode). Such an
// output is written through standard output, and no path line follows it
// there.
bool IsStandardOutput(const std::string& name);

// Checks an output option's value before any work is done: an empty name, an
// existing directory, a loop of symbolic links or a new name longer than its
// folder takes is a UsageError (exit status 2).
void CheckOutputName(std::string_view option, std::string_view name);

// One name that a command is about to write, with the option that gave it.
struct NamedOutput {
    std::string_view Option;
    std::string Name;
};

// Refuses, as a UsageError, outputs that would write over each other: two
// names of one file (however spelt, links followed; see IdentityOf) or
// standard output named twice ("-", /dev/stdout, or the file the shell
// redirected it to). Devices and FIFOs other than standard output may be
// named more than once. Where the command prints its own lines on standard
// output, `stdoutCarries` says what they are and no output may be it.
void CheckOutputsApart(std::span<const NamedOutput> outputs, std::string_view stdoutCarries = "");

struct Output {
    std::string Name;
    std::string_view Bytes;
};

// Writes the outputs together: every one is staged (written into its
// temporary file, or straight into standard output, a device or a FIFO)
// before any temporary file is put in place, so a failure leaves none of the
// files half done. Returns the first failure line, e.g. "cannot write 'x.png':
// No space left on device"; "" on success.
std::string WriteOutputs(std::span<const Output> outputs);

// Encoded PNG bytes as an output's bytes.
std::string_view PngBytes(const std::vector<unsigned char>& png);

// The bitmap as a PNG file through WriteOutputs; returns the failure line, "" on success.
std::string WritePng(const Bitmap& bitmap, const std::string& name);

}  // namespace kolvar::cli
