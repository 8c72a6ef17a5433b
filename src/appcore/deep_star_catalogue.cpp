#include "appcore/deep_star_catalogue.h"

#include <memory>

#include "appcore/program_path.h"

namespace kolvar {

std::vector<std::filesystem::path> DeepStarFilePlaces(const std::filesystem::path& programDirectory) {
    return {programDirectory.parent_path() / "share" / "kolvar" / "deep_stars.kds",
            std::filesystem::path(KOLVAR_SOURCE_DATA_DIR) / "deep_stars.kds"};
}

const DeepStarFile& ProgramDeepStars() {
    static const std::unique_ptr<DeepStarFile> file = [] {
        const std::vector<std::filesystem::path> places = DeepStarFilePlaces(ProgramDirectory());
        std::unique_ptr<DeepStarFile> first;
        for (const std::filesystem::path& place : places) {
            auto candidate = std::make_unique<DeepStarFile>(place);
            if (candidate->IsOpen()) return candidate;
            if (!first) first = std::move(candidate);
        }
        return first;
    }();
    return *file;
}

}  // namespace kolvar
