#include "appcore/kept_small_bodies.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "appcore/program_path.h"
#include "elements/kept_set_text.h"

namespace kolvar {

std::filesystem::path KeptSmallBodiesPath() { return KolvarDataFolder() / "small-bodies.tsv"; }

ImportResult LoadKeptSmallBodies(const std::filesystem::path& path) {
    std::optional<std::string> text;
    try {
        text = ReadRegularFile(path.string());
    } catch (const std::system_error& error) {
        ImportResult result;
        result.Unreadable = true;
        result.Problems.push_back({0, 0, error.what()});
        result.ProblemCount = 1;
        return result;
    }
    if (!text) return {};
    ImportResult result = ReadKeptSetText(*text);
    // A file that is not a kept set at all (its first line) must not be replaced by an import.
    if (result.Bodies.empty() && !result.Problems.empty() && result.Problems[0].Line == 1)
        result.Unreadable = true;
    return result;
}

std::optional<WriteFailure> SaveKeptSmallBodies(const std::filesystem::path& path,
                                                std::span<const SmallBody> bodies) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        return WriteFailure{"cannot create the folder of", path.string(), error.value(), error.message()};
    return WriteFile(path.string(), KeptSetText(bodies),
                     WritePolicy{SpecialTarget::Refuse, Flush::BeforeReplacing});
}

}  // namespace kolvar
