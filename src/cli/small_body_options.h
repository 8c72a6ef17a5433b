#pragma once

// The comets and minor planets a kolvar-chart run uses: the kept set, or
// with --elements FILE that file's bodies alone; and how a name picks bodies.

#include <span>
#include <string_view>
#include <vector>

#include "astro/small_body.h"
#include "chart/view_options.h"
#include "cli/cli_options.h"

namespace kolvar::cli {

inline constexpr OptionSpec ElementsOption{
    "--elements", "FILE",
    "comets and minor planets of FILE (MPC or JPL) for this run, instead of the kept set"};

// --elements FILE read (its bad lines one warning line on stderr), or the
// kept set without it. A FILE that cannot be read or gives no body is a
// UsageError; a kept set that cannot be read is a warning and no bodies.
std::vector<SmallBody> SmallBodiesForRun(const ParsedOptions& options, std::string_view command);

inline constexpr OptionSpec PathOption{
    "--path", "NAME", "the track of that comet or minor planet over the coming days, with date ticks (UT)"};
inline constexpr OptionSpec PathDaysOption{"--path-days", "N", "days the --path track covers (default 30)"};

// A picture command's bodies: --elements FILE shows its bodies; --show
// small-bodies (or --small-bodies-mag) the kept ones without it; --path NAME
// picks the body whose track is drawn (and shows the bodies). Nothing is
// read while the view shows none.
void AttachSmallBodies(const ParsedOptions& options, ViewOptions& view, std::string_view command);

// What --elements takes, without reading the file (for the refusal checks).
void CheckElementsOption(const ParsedOptions& options);

// The bodies `name` names (UTF-8): its search key equal to that of the
// designation, the name, or the whole name as shown ("1P", "Halley",
// "1P/Halley", "4", "Vesta", "(4) Vesta"), in the bodies' order.
std::vector<std::size_t> MatchSmallBodies(std::span<const SmallBody> bodies, std::string_view name);

}  // namespace kolvar::cli
