// kolvar-chart elements: the kept set of comets and minor planets. `import
// FILE` adds a file's bodies (MPC or JPL format) to it, `list` prints it,
// `remove NAME` takes bodies out of it.

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "appcore/kept_small_bodies.h"
#include "astro/time_scales.h"
#include "cli/cli_options.h"
#include "cli/small_body_options.h"
#include "cli/subcommands.h"
#include "elements/element_import.h"
#include "elements/kept_set_text.h"

namespace kolvar::cli {

namespace {

constexpr CommandSpec ElementsCommand{
    "elements",
    "Keeps comets and minor planets for every run, in $XDG_DATA_HOME/kolvar/small-bodies.tsv\n"
    "(~/.local/share/kolvar/ by default).\n"
    "  import FILE   adds the bodies of FILE (MPCORB.DAT or an extract, CometEls.txt, or JPL\n"
    "                small-body JSON; '-' reads standard input); a body already kept is\n"
    "                replaced by the newer elements. Lines that give no body are named on\n"
    "                stderr; the others are kept. Prints how many bodies it read.\n"
    "  list          prints 'kind designation name epoch q e' for every kept body\n"
    "                (tab-separated; the epoch as a date, q in AU).\n"
    "  remove NAME   takes out the bodies NAME names ('1P', 'Halley', '4', 'Vesta').",
    {},
    "import FILE | list | remove NAME",
};

constexpr std::size_t MaxProblemLinesShown = 20;

struct ElementsRequest {
    std::string Action;
    std::string Operand;
};

ElementsRequest ParseRequest(std::span<char* const> args) {
    std::vector<std::string> words;
    for (char* arg : args) {
        const std::string_view a = arg;
        if (a == "--help" || a == "-h") continue;
        if (a.size() > 1 && a[0] == '-') throw UsageError("unknown option " + QuoteForMessage(a));
        words.emplace_back(a);
    }
    if (words.empty()) throw UsageError("missing action: import FILE, list or remove NAME");
    ElementsRequest r{words[0], words.size() > 1 ? words[1] : ""};
    const bool needsOperand = r.Action == "import" || r.Action == "remove";
    if (r.Action != "import" && r.Action != "list" && r.Action != "remove")
        throw UsageError("unknown action " + QuoteForMessage(r.Action) + " (import, list or remove)");
    if (needsOperand && words.size() < 2)
        throw UsageError(r.Action + " needs " + (r.Action == "import" ? "a FILE" : "a NAME"));
    if (words.size() > (needsOperand ? 2u : 1u))
        throw UsageError("unexpected argument " + QuoteForMessage(words.back()));
    if (r.Action == "remove" && r.Operand.empty()) throw UsageError("remove needs a NAME");
    return r;
}

void Warn(const std::string& text) {
    std::fprintf(stderr, "%s elements: %s\n", ProgramName.data(), text.c_str());
}

// The kept set, or nothing (after a message) when it cannot be read and so must not be replaced.
std::optional<std::vector<SmallBody>> KeptForChange(const std::filesystem::path& path) {
    ImportResult kept = LoadKeptSmallBodies(path);
    if (kept.Unreadable) {
        Warn("cannot read the kept bodies " + QuoteForMessage(path.string()) + ": " + ProblemSummary(kept) +
             "; nothing changed");
        return std::nullopt;
    }
    if (kept.ProblemCount > 0)
        Warn("the kept bodies " + QuoteForMessage(path.string()) + ": " + ProblemSummary(kept) +
             " (left out)");
    return std::move(kept.Bodies);
}

int Save(const std::filesystem::path& path, const std::vector<SmallBody>& bodies) {
    if (const auto failure = SaveKeptSmallBodies(path, bodies)) {
        Warn(failure->Action + " " + QuoteForMessage(failure->Name) + ": " + failure->Reason);
        return ExitFailure;
    }
    return ExitSuccess;
}

int Import(const std::string& file) {
    const ImportResult read = ImportElementsFile(file);
    const std::string name = QuoteForMessage(file);
    if (read.Unreadable) throw UsageError("cannot read " + name + ": " + ProblemSummary(read));
    for (std::size_t k = 0; k < read.Problems.size() && k < MaxProblemLinesShown; ++k)
        Warn(name + ": " + ProblemText(read.Problems[k]));
    if (read.ProblemCount > MaxProblemLinesShown)
        Warn(name + ": and " + std::to_string(read.ProblemCount - MaxProblemLinesShown) +
             " more lines not read");
    if (read.Bodies.empty()) {
        Warn(name + ": no bodies read; the kept set is unchanged");
        return ExitFailure;
    }
    const auto path = KeptSmallBodiesPath();
    auto kept = KeptForChange(path);
    if (!kept) return ExitFailure;
    std::size_t replaced = 0;
    const std::vector<SmallBody> merged = MergeBodies(std::move(*kept), read.Bodies, replaced);
    if (const int status = Save(path, merged); status != ExitSuccess) return status;
    std::printf("read %zu bodies from %s (%llu %s not read); %zu replaced, %zu kept in %s\n",
                read.Bodies.size(), name.c_str(), static_cast<unsigned long long>(read.ProblemCount),
                read.ProblemCount == 1 ? "line" : "lines", replaced, merged.size(),
                QuoteForMessage(path.string()).c_str());
    return ExitSuccess;
}

std::string DateText(double julianDay) {
    const CalendarMoment c = CalendarFromJulianDay(std::floor(julianDay - 0.5) + 0.5, 0.0f, false);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.Year, c.Month, c.Day);
    return text;
}

int List() {
    const auto path = KeptSmallBodiesPath();
    const ImportResult kept = LoadKeptSmallBodies(path);
    if (kept.ProblemCount > 0)
        Warn("the kept bodies " + QuoteForMessage(path.string()) + ": " + ProblemSummary(kept));
    std::printf("kind\tdesignation\tname\tepoch\tq\te\n");
    for (const SmallBody& b : kept.Bodies)
        std::printf("%s\t%s\t%s\t%s\t%.9g\t%.9g\n", b.Kind == SmallBodyKind::Comet ? "comet" : "minor planet",
                    b.Designation.c_str(), b.Name.c_str(), DateText(b.Epoch).c_str(), b.PerihelionDistance,
                    b.Eccentricity);
    return kept.Unreadable ? ExitFailure : ExitSuccess;
}

int Remove(const std::string& name) {
    const auto path = KeptSmallBodiesPath();
    auto kept = KeptForChange(path);
    if (!kept) return ExitFailure;
    const std::vector<std::size_t> found = MatchSmallBodies(*kept, name);
    if (found.empty()) {
        Warn("no kept body is named " + QuoteForMessage(name));
        return ExitFailure;
    }
    std::vector<SmallBody> rest;
    std::size_t next = 0;
    for (std::size_t k = 0; k < kept->size(); ++k) {
        if (next < found.size() && found[next] == k) {
            std::printf("removed %s\n", DisplayName((*kept)[k]).c_str());
            ++next;
            continue;
        }
        rest.push_back(std::move((*kept)[k]));
    }
    return Save(path, rest);
}

}  // namespace

std::optional<std::string> ElementsRefusal(std::span<char* const> args) {
    for (char* arg : args)
        if (std::string_view(arg) == "--help" || std::string_view(arg) == "-h") return std::nullopt;
    try {
        ParseRequest(args);
    } catch (const UsageError& error) {
        return error.what();
    }
    return std::nullopt;
}

int RunElements(std::span<char* const> args) {
    for (char* arg : args) {
        if (std::string_view(arg) == "--help" || std::string_view(arg) == "-h") {
            PrintCommandHelp(stdout, ElementsCommand);
            return FinishStandardOutput(ElementsCommand.Name, ExitSuccess);
        }
    }
    int status = ExitSuccess;
    try {
        const ElementsRequest r = ParseRequest(args);
        status = r.Action == "import" ? Import(r.Operand) : r.Action == "list" ? List() : Remove(r.Operand);
    } catch (const UsageError& error) {
        Warn(error.what());
        return ExitUsage;
    }
    return FinishStandardOutput(ElementsCommand.Name, status);
}

}  // namespace kolvar::cli
