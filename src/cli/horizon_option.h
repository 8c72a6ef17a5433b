#pragma once

// --horizon FILE: a local horizon file, for the list of tonight and the
// skyline drawn over the chart and the close-up.

#include <memory>
#include <string>
#include <vector>

#include "chart/view_options.h"
#include "cli/cli_options.h"
#include "plan/local_horizon.h"

namespace kolvar::cli {

inline constexpr OptionSpec HorizonOption{"--horizon", "FILE",
                                          "a local horizon: 'azimuth altitude' in degrees, a pair a line"};

struct HorizonFile {
    std::shared_ptr<const LocalHorizon> Horizon;
    std::vector<std::string> Warnings;  // one line for each line left out, without the program's name
};

// The file --horizon names, read; nothing without the option. An unreadable
// file, or one with fewer than two good points, is a UsageError.
std::optional<HorizonFile> HorizonFromOptions(const ParsedOptions& options);

// Adds the skyline of --horizon to the view; its warnings go to `warnings`.
void ApplyHorizonOption(const ParsedOptions& options, ViewOptions& view, std::vector<std::string>& warnings);

// Prints each warning as "kolvar-chart COMMAND: WARNING" on standard error.
void PrintWarnings(std::string_view command, const std::vector<std::string>& warnings);

}  // namespace kolvar::cli
