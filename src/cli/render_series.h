#pragma once

// kolvar-chart render --from --to --step: a series of charts in one process,
// the catalogue loaded once, drawing and PNG encoding spread over the cores.

#include <cstddef>
#include <optional>
#include <vector>

#include "chart/view_options.h"
#include "cli/cli_options.h"
#include "cli/file_pattern.h"
#include "cli/sky_options.h"

namespace kolvar::cli {

inline constexpr OptionSpec FromOption{
    "--from", "INSTANT", "first instant of a series: a date as --date takes it, or a Julian day"};
inline constexpr OptionSpec ToOption{"--to", "INSTANT",
                                     "last instant of the series, drawn when a step lands on it"};
inline constexpr OptionSpec StepOption{
    "--step", "STEP", "series step: 10m, 1h, 1d, 1sd (sidereal day), 1w, 1lm (lunar month), 1mo, 1y"};

inline constexpr long long MaxSeriesCharts = 100000;

struct SeriesRequest {
    SkyRequest Sky;  // place and size; the instant is each of Instants in turn
    ViewOptions View;
    std::vector<double> Instants;
    FilePattern Out;
    std::optional<FilePattern> Objects;
    std::vector<std::string> Warnings;  // lines of the --horizon file left out
};

// Whether the options ask for a series (any of --from, --to, --step).
bool WantsSeries(const ParsedOptions& options);

// The instants of a series: from --from up to --to by --step (dates and
// calendar steps in --zone, with --summer). Without all three, with --jd or
// --date, or with more than MaxSeriesCharts instants, a UsageError.
std::vector<double> SeriesInstants(const ParsedOptions& options);

// --from, --to (with --zone and --summer for dates and calendar steps),
// --step, --out and --objects as patterns, the place, size and view options. The
// instants run from --from up to --to; --jd, --date and --bench do not go
// with a series. Mistakes are UsageErrors.
SeriesRequest ParseSeries(const ParsedOptions& options);

// How many charts a series keeps at once (drawn, encoded or waiting to be
// written): enough to keep `workers` threads busy, two per worker and two more,
// but no more than fit into SeriesBitmapBytes of bitmaps, and at least one.
inline constexpr std::size_t SeriesBitmapBytes = std::size_t{256} << 20;
std::size_t ChartsInFlight(unsigned workers, Size chartSize);

// Draws every chart of the series as the single render draws it, writes it
// with its objects table under the chart's number (1, 2, ...) and prints each
// picture's path once it is written, in order. Returns the exit status.
int RenderSeries(const SeriesRequest& request);

}  // namespace kolvar::cli
