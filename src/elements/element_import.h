#pragma once

// Reading a whole orbital elements file: the Minor Planet Center's one-line
// formats (MPCORB.DAT, its extracts, CometEls.txt; a line's layout decides
// between minor planet and comet) and the JSON tables of the JPL small-body
// database (a "fields" list, then "data" rows). The file is read in pieces,
// so its size bounds neither the memory nor the time before the first body;
// a line that gives no body is named with its reason and the reading goes on.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "astro/small_body.h"

namespace kolvar {

// One line (or JSON row) that gave no body.
struct ImportProblem {
    std::uint64_t Line = 0;  // 1-based; 0 for the file as a whole
    std::uint64_t Row = 0;   // 1-based row of a JSON "data" list; 0 for the line formats
    std::string Reason;
};

// "line 12: eccentricity below 0", "row 7 (line 1): ...", or the reason alone.
std::string ProblemText(const ImportProblem& problem);

struct ImportResult;
// One line for all problems: "3 lines not read (first: line 7: eccentricity below 0)".
std::string ProblemSummary(const ImportResult& result);

struct ImportResult {
    std::vector<SmallBody> Bodies;        // in file order
    std::vector<ImportProblem> Problems;  // the first MaxNamedProblems
    std::uint64_t ProblemCount = 0;       // all of them
    bool Cancelled = false;               // the progress callback asked to stop
    bool Unreadable = false;              // the file could not be opened or read
};

inline constexpr std::size_t MaxNamedProblems = 1000;
// Longer lines (and JSON strings) are not kept whole; no file of the formats has them.
inline constexpr std::size_t MaxLineLength = 4096;

// Called after each piece read with the bytes done and the file's size (0
// when unknown); returning false stops the reading (the bodies so far are kept).
using ImportProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Reads the file at `path` (a regular file, a FIFO or standard input "-").
// An empty file, a file with NUL bytes in its first piece (not text) or one
// that cannot be opened gives no bodies and one problem with line 0.
ImportResult ImportElementsFile(const std::string& path, const ImportProgress& progress = {});

// The same for bytes in memory.
ImportResult ImportElementsText(std::string_view text);

}  // namespace kolvar
