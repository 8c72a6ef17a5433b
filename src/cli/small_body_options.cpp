#include "cli/small_body_options.h"

#include <cstdio>
#include <memory>
#include <string>

#include "appcore/kept_small_bodies.h"
#include "elements/element_import.h"
#include "identify/search_key.h"

namespace kolvar::cli {

void CheckElementsOption(const ParsedOptions& options) {
    if (const auto file = options.Value(ElementsOption.Name); file && file->empty())
        throw UsageError("--elements: expected a file name");
}

std::vector<SmallBody> SmallBodiesForRun(const ParsedOptions& options, std::string_view command) {
    CheckElementsOption(options);
    const auto warn = [&](const std::string& what) {
        std::fprintf(stderr, "%s %.*s: %s\n", ProgramName.data(), static_cast<int>(command.size()),
                     command.data(), what.c_str());
    };
    if (const auto file = options.Value(ElementsOption.Name)) {
        ImportResult r = ImportElementsFile(std::string(*file));
        if (r.Unreadable)
            throw UsageError("cannot read " + QuoteForMessage(*file) + ": " + ProblemSummary(r));
        if (r.Bodies.empty())
            throw UsageError(QuoteForMessage(*file) + ": no bodies read: " + ProblemSummary(r));
        if (r.ProblemCount > 0) warn(QuoteForMessage(*file) + ": " + ProblemSummary(r));
        return std::move(r.Bodies);
    }
    const auto path = KeptSmallBodiesPath();
    ImportResult kept = LoadKeptSmallBodies(path);
    if (kept.ProblemCount > 0)
        warn("the kept bodies " + QuoteForMessage(path.string()) + ": " + ProblemSummary(kept));
    return std::move(kept.Bodies);
}

void AttachSmallBodies(const ParsedOptions& options, ViewOptions& view, std::string_view command) {
    CheckElementsOption(options);
    const auto path = options.Value(PathOption.Name);
    if (path && SearchKeyOfUtf8(*path).empty()) throw UsageError("--path: expected the name of a body");
    if (auto days = options.Value(PathDaysOption.Name)) {
        if (!path) throw UsageError("--path-days needs --path");
        view.PathDays = ParseFiniteDouble(PathDaysOption.Name, *days);
        if (!(view.PathDays >= 1.0 && view.PathDays <= 3660.0))
            throw UsageError("--path-days must lie from 1 to 3660");
    }
    if (options.Has(ElementsOption.Name) || path) view.SmallBodies = true;
    if (!view.SmallBodies) return;
    view.Bodies = std::make_shared<const std::vector<SmallBody>>(SmallBodiesForRun(options, command));
    if (path) {
        const std::vector<std::size_t> found = MatchSmallBodies(*view.Bodies, *path);
        if (found.empty()) {
            std::string message("--path: no ");
            if (!options.Has(ElementsOption.Name)) message += "kept ";
            message += "body is named ";
            message += QuoteForMessage(*path);
            throw UsageError(message);
        }
        view.PathBody = static_cast<int>(found.front());
    }
}

std::vector<std::size_t> MatchSmallBodies(std::span<const SmallBody> bodies, std::string_view name) {
    const std::string key = SearchKeyOfUtf8(name);
    std::vector<std::size_t> found;
    if (key.empty()) return found;
    for (std::size_t k = 0; k < bodies.size(); ++k) {
        const SmallBody& b = bodies[k];
        if (SearchKeyOfUtf8(b.Designation) == key || (!b.Name.empty() && SearchKeyOfUtf8(b.Name) == key) ||
            SearchKeyOfUtf8(DisplayName(b)) == key)
            found.push_back(k);
    }
    return found;
}

}  // namespace kolvar::cli
