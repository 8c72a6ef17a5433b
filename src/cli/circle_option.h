#pragma once

#include <string_view>
#include <vector>

#include "cli/cli_options.h"

namespace kolvar::cli {

inline constexpr OptionSpec CirclesOption{
    "--circles", "DEG,DEG...",
    "draw circles of these true field diameters in degrees (an eyepiece's, a finder's) at the centre"};

// More circles than this on one picture are surely a mistake.
inline constexpr std::size_t MaxFieldCircles = 16;

// The diameters of --circles: a comma-separated list of numbers above 0
// and below 180 degrees. Anything else is a UsageError naming the item.
std::vector<double> ParseCircles(std::string_view text);

}  // namespace kolvar::cli
