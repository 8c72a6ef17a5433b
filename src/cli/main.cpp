// kolvar-chart: the headless command line of Kolvar. The first argument names
// a subcommand from the table in subcommands.h; the rest belong to it.

#include <cstdio>
#include <span>
#include <string_view>

#include "appcore/temporary_files.h"
#include "astro/planets.h"
#include "catalog/static_tables.h"
#include "cli/cli_options.h"
#include "cli/subcommands.h"

namespace {

using kolvar::cli::ExitSuccess;
using kolvar::cli::ExitUsage;
using kolvar::cli::ProgramName;
using kolvar::cli::Subcommand;
using kolvar::cli::Subcommands;

void PrintTopLevelHelp() {
    std::printf("usage: %s SUBCOMMAND [OPTIONS]\n\nsubcommands:\n", ProgramName.data());
    for (const Subcommand& command : Subcommands) {
        std::printf("  %-12.*s %.*s\n", static_cast<int>(command.Name.size()), command.Name.data(),
                    static_cast<int>(command.Summary.size()), command.Summary.data());
    }
    std::printf("\n'%s SUBCOMMAND --help' describes the options of one subcommand.\n", ProgramName.data());
}

// The start-up tables the subcommands read, in the program's fixed order.
void InitialiseTables() {
    kolvar::InitStaticTables();  // stars, Milky Way, planet elements, runic names, deep-sky objects
}

}  // namespace

int main(int argc, char** argv) {
    // Ctrl-C, SIGTERM or a reader that goes away leave no half-written file
    // behind; a closed pipe is then the one-line write error, status 1.
    kolvar::RemoveTemporariesOnSignals();
    const std::span<char* const> args(argv, static_cast<std::size_t>(argc));
    if (args.size() < 2) {
        std::fprintf(stderr, "%s: missing subcommand (try '%s --help')\n", ProgramName.data(),
                     ProgramName.data());
        return ExitUsage;
    }
    const std::string_view name = args[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintTopLevelHelp();
        return kolvar::cli::FinishStandardOutput("", ExitSuccess);
    }
    for (const Subcommand& command : Subcommands) {
        if (command.Name == name) {
            InitialiseTables();
            return command.Run(args.subspan(2));
        }
    }
    std::fprintf(stderr, "%s: unknown subcommand %s (try '%s --help')\n", ProgramName.data(),
                 kolvar::cli::QuoteForMessage(name).c_str(), ProgramName.data());
    return ExitUsage;
}
