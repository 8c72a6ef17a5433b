// Fuzz target for the option parser of every kolvar-chart subcommand. Byte 0
// picks the subcommand; the rest, split at NUL bytes (which no argument can
// hold), is its argument list. The subcommand's own reading of its arguments
// runs without the work; a refusal, which the run prints after
// "kolvar-chart NAME: " with exit status 2, must be one non-empty line of
// printable text. Any other exception is a crash, and undefined behaviour
// the sanitizers' to report.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "catalog/static_tables.h"
#include "cli/subcommands.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kolvar::cli::Subcommands;
    static const bool tables = (kolvar::InitStaticTables(), true);
    (void)tables;
    if (size == 0) return 0;
    const auto& command = Subcommands[data[0] % std::size(Subcommands)];

    // Every NUL ends an argument, and so does the end of a non-empty rest.
    std::vector<std::string> words;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::vector<char*> args;
    for (std::string& word : words) args.push_back(word.data());

    const std::optional<std::string> refusal = command.Refusal(args);
    if (!refusal) return 0;
    kolvar::fuzz::Check(!refusal->empty(), "empty refusal", std::string(command.Name));
    for (const char c : *refusal)
        kolvar::fuzz::Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F,
                            "refusal is not one printable line", std::string(command.Name) + ": " + *refusal);
    return 0;
}
