#pragma once

#include <filesystem>
#include <vector>

#include "catalog/deep_star_file.h"

namespace kolvar {

// Where the programs look for the deep star file, in order: the installed
// share/kolvar/deep_stars.kds beside the program's folder (../share/kolvar),
// then the data folder of the source tree the program was built from.
std::vector<std::filesystem::path> DeepStarFilePlaces(const std::filesystem::path& programDirectory);

// The program's deep star file: the first of DeepStarFilePlaces that opens,
// mapped at the first call and never before (start-up does not wait for
// it). When none opens, the returned file holds no stars and Error() says
// why in one line, for the first place tried.
const DeepStarFile& ProgramDeepStars();

}  // namespace kolvar
