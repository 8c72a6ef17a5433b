#pragma once

// Instants as the subcommands print them.

#include <optional>
#include <string>

#include "cli/cli_options.h"

namespace kolvar::cli {

// "2026-08-12T20:30:05Z" to the nearest second, or "-"; with a zone the
// clock there, "2026-08-12T22:30:05+02:00".
std::string InstantText(const std::optional<double>& julianDay, const std::optional<CivilZone>& zone);

}  // namespace kolvar::cli
