#pragma once

// What render shares with the subcommands that draw the chart first
// (closeup): the place, time, size and output options, the timing lines and
// the writing of the picture with its objects table. Defined in cmd_render.cpp.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/bitmap.h"
#include "chart/sky_projection.h"
#include "chart/view_options.h"
#include "cli/cli_options.h"
#include "cli/sky_options.h"
#include "sky/sky_object_table.h"

namespace kolvar::cli {

struct RenderRequest {
    SkyRequest Sky;  // place, instant and --size
    std::string Out = "kolvar-sky.png";
    std::string Objects;                // empty: none
    long long Bench = 0;                // 0: render once
    ViewOptions View;                   // --show, --label-mag, --night, --daylight, --horizon
    std::vector<std::string> Warnings;  // lines of the --horizon file left out
};

// The sky options (ParseSkyOptions), --out, --objects, --bench and the view
// options (ParseViewOptions);
// `defaultOut` is the picture's name without --out.
RenderRequest ParseRequest(const ParsedOptions& options, std::string_view defaultOut = "kolvar-sky.png");

// The objects table: a header line and one line per slot with its pixel
// under `projection`, its magnitude and name on `julianDay`.
std::string ObjectsTable(const SkyProjection& projection, const SkyObjectTable& objects, double julianDay);

// Writes `picture` to r.Out and, when asked, the objects table to r.Objects
// (each slot with its pixel under `projection`, the picture's), both or
// neither; prints the picture's path. `moreRows` go on after the table's own
// rows. A failure is one line on stderr naming `command`, status 1.
int WriteChartFiles(std::string_view command, const RenderRequest& r, const Bitmap& picture,
                    const SkyObjectTable& objects, const SkyProjection& projection,
                    const std::string& moreRows = std::string());

// "NAME min=.. median=.. max=.." in milliseconds.
void PrintTimes(const char* name, std::vector<double> ms);
double MillisecondsSince(std::chrono::steady_clock::time_point start);

}  // namespace kolvar::cli
