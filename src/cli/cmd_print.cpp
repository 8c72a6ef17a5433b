// kolvar-chart print: the sky drawn for paper, as a PDF, SVG or PNG file.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "appcore/deep_star_catalogue.h"
#include "astro/angles.h"
#include "astro/small_body_place.h"
#include "canvas/cp1250.h"
#include "canvas/program_fonts.h"
#include "cli/circle_option.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/horizon_option.h"
#include "cli/output_file.h"
#include "cli/render_request.h"
#include "cli/render_series.h"
#include "cli/sky_options.h"
#include "cli/small_body_options.h"
#include "cli/subcommands.h"
#include "cli/view_request.h"
#include "identify/search_key.h"
#include "print/print_document.h"
#include "print/print_texts.h"
#include "sky/sky_object_table.h"
#include "telescope/telescope_target.h"
#include "texts/print_captions.h"

namespace kolvar::cli {

namespace {

constexpr OptionSpec PrintOptions[] = {
    JulianDayOption,
    DateOption,
    ZoneOption,
    SummerOption,
    DstOption,
    FromOption,
    ToOption,
    StepOption,
    CityOption,
    LatOption,
    LonOption,
    {"--out", "FILE",
     "file to write, FILE.pdf, FILE.svg or FILE.png (default kolvar-sky.pdf; - for standard output as PDF)"},
    {"--paper", "SIZE", "A4, A3 or letter (default A4)"},
    {"--landscape", "", "the sheet's long side across"},
    {"--dpi", "N", "pixels per inch of a PNG, 36..600 (default 150)"},
    {"--label-mag", "M", "name the stars whose magnitude class is below M (default 2.5)"},
    {"--show", "LIST",
     "grids and lines over the sky, comma-separated: grid, eqgrid, equator, ecliptic; small-bodies (comets "
     "and minor planets)"},
    SmallBodiesMagOption,
    ElementsOption,
    PathOption,
    PathDaysOption,
    {"--title", "TEXT",
     "the sheet's title, written in runes and in plain letters (default: Csillagos \xC3\xA9g)"},
    {"--bench", "N", "print N times into memory, write nothing, print print_ms (min, median, max) and bytes"},
    {"--center", "NAME|RA,DEC",
     "print a finder chart around an object (named as find takes names, a comet or minor planet too) or a "
     "J2000 direction (RA hours, Dec degrees)"},
    {"--fov", "DEG", "with --center: the finder chart's field across, 0.25..60 degrees (required)"},
    {"--mag-limit", "M",
     "with --center: the faintest stars drawn (default by the field: 6.5 at 30 degrees to 10.5 below 2)"},
    CirclesOption,
    HorizonOption,
};

constexpr CommandSpec PrintCommand{
    "print",
    "Draws the sky for paper: white ground, black stars sized by brightness, the Milky Way in light\n"
    "grey, constellation figures, deep-sky symbols by kind, Sun, Moon with its phase and planets, the\n"
    "horizon with an azimuth scale, the ecliptic, a header with place, date and time and a key.\n"
    "The file's extension chooses the format; PDF and SVG are vectors with the fonts embedded.\n"
    "A series (--from, --to, --step) prints one page per instant into one PDF.\n"
    "With --center and --fov it prints a finder chart instead: black stars on white to the field's\n"
    "magnitude limit (the deep star file), NGC/IC outlines, an RA/Dec grid, a scale bar, north and east\n"
    "arrows, the --circles and a header naming the object and the field.\n"
    "With --horizon the local skyline covers what it hides, in grey inside the horizon circle.",
    PrintOptions,
};

struct PrintJob {
    std::vector<PrintRequest> Sheets;
    std::optional<FinderChartRequest> Finder;  // --center: one finder chart instead of the sheets
    PrintFormat Format = PrintFormat::Pdf;
    SheetOptions Sheet;
    std::string Out = "kolvar-sky.pdf";
    long long Bench = 0;
    std::vector<std::string> Warnings;  // the lines of --horizon left out
};

// A printed series of more sheets than this is surely a mistaken step.
constexpr std::size_t MaxPrintedSheets = 1000;

// "RA,DEC" as two numbers, RA in hours and Dec in degrees; nothing when the
// text is not two numbers (then it is a name).
std::optional<std::pair<double, double>> DirectionOf(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos)
        return std::nullopt;
    double ra = 0.0, dec = 0.0;
    try {
        ra = ParseFiniteDouble("--center", text.substr(0, comma));
        dec = ParseFiniteDouble("--center", text.substr(comma + 1));
    } catch (const UsageError&) {
        return std::nullopt;
    }
    if (!(ra >= 0.0 && ra < 24.0) || !(dec >= -90.0 && dec <= 90.0))
        throw UsageError("--center: " + QuoteForMessage(text) +
                         " is no J2000 direction (RA 0 to 24 hours, Dec -90 to 90 degrees)");
    return std::pair{ra, dec};
}

// A finder chart centred on the comet or minor planet `name` names (the kept
// set's, or --elements'): its J2000 place at the instant; false for none.
bool CentreOnSmallBody(const ParsedOptions& options, const std::string& name, const PrintJob& job,
                       FinderChartRequest& chart) {
    const PaperSmallBodies& shown = job.Sheets.front().SmallBodies;
    const std::vector<SmallBody> bodies =
        shown.Bodies ? *shown.Bodies : SmallBodiesForRun(options, PrintCommand.Name);
    const std::vector<std::size_t> found = MatchSmallBodies(bodies, name);
    if (found.empty()) return false;
    const SmallBody& body = bodies[found.front()];
    const SmallBodyPlace place = SmallBodyPlaceAt(body, job.Sheets.front().Observer.JulianDay);
    if (!place.Valid)
        throw UsageError("--center: " + QuoteForMessage(name) + " has no place at that instant");
    chart.RightAscension =
        place.RightAscension < 0.0 ? place.RightAscension + 2.0 * 3.141592653589793 : place.RightAscension;
    chart.Declination = place.Declination;
    chart.Name = Utf8ToCp1250(DisplayName(body));
    return true;
}

// --center, --fov, --circles and --mag-limit: the finder chart.
void ParseFinder(const ParsedOptions& options, PrintJob& job) {
    const auto center = options.Value("--center");
    if (!center) {
        for (const char* option : {"--fov", "--mag-limit", CirclesOption.Name.data()})
            if (options.Has(option)) throw UsageError(std::string(option) + " needs --center");
        return;
    }
    if (WantsSeries(options))
        throw UsageError("a finder chart is one sheet: leave out --from, --to and --step");
    if (options.Has("--label-mag")) throw UsageError("--label-mag is for the sky chart, not with --center");
    if (options.Has(HorizonOption.Name))
        throw UsageError("--horizon is for the sky chart, not with --center");
    FinderChartRequest chart;
    if (const auto direction = DirectionOf(*center)) {
        chart.RightAscension = direction->first * 15.0 * RadiansPerDegree;
        chart.Declination = direction->second * RadiansPerDegree;
    } else {
        const std::string name(*center);
        if (!IsWellFormedUtf8(name)) throw UsageError("--center: NAME is not UTF-8 text");
        if (SearchKeyOfUtf8(name).empty())
            throw UsageError("--center: NAME has no letter or digit: " + QuoteForMessage(name));
        const std::optional<TelescopeTarget> target = TargetNamed(name);
        if (!target && CentreOnSmallBody(options, name, job, chart)) {
            // centred on the body's place at the instant
        } else if (!target) {
            throw UsageError("--center: no object is named " + QuoteForMessage(name));
        } else if (target->Slot >= 0 && target->Slot < FirstStarSlot) {
            throw UsageError("--center: " + QuoteForMessage(target->Name) +
                             " moves among the stars; give a star, a deep-sky object or RA,DEC");
        } else {
            chart.RightAscension = target->J2000.RightAscension;
            chart.Declination = target->J2000.Declination;
            chart.Name = Utf8ToCp1250(target->Name);
        }
    }
    const auto fov = options.Value("--fov");
    if (!fov) throw UsageError("--center needs --fov DEG, the field across");
    chart.FieldDegrees = ParseFiniteDouble("--fov", *fov);
    if (!(chart.FieldDegrees >= MinFinderFieldDegrees && chart.FieldDegrees <= MaxFinderFieldDegrees))
        throw UsageError("--fov must lie from 0.25 to 60 degrees");
    if (auto limit = options.Value("--mag-limit")) {
        const double m = ParseFiniteDouble("--mag-limit", *limit);
        if (!(m >= -2.0 && m <= 20.0)) throw UsageError("--mag-limit must lie from -2 to 20");
        chart.MagnitudeLimit = static_cast<float>(m);
    }
    if (auto circles = options.Value(CirclesOption.Name)) chart.Circles = ParseCircles(*circles);
    if (options.Has("--title")) chart.Name = Utf8ToCp1250(*options.Value("--title"));
    chart.YearsSince2000 = (job.Sheets.front().Observer.JulianDay - 2451545.0) / 365.25;
    chart.JulianDay = job.Sheets.front().Observer.JulianDay;
    chart.SmallBodies = job.Sheets.front().SmallBodies;
    job.Finder = chart;
}

PrintJob ParsePrintJob(const ParsedOptions& options) {
    PrintJob job;
    const bool series = WantsSeries(options);
    const std::vector<double> instants = series ? SeriesInstants(options) : std::vector<double>{};
    const SkyRequest sky = ParseSkyOptions(options);
    PrintRequest sheet;
    sheet.Observer = sky.Observer;
    // The clock is shown in the zone a date was given in (or the town's); a Julian day in universal time.
    const CivilZone zone = options.Has(DateOption.Name) || series || options.Has(CityOption.Name)
                               ? ZoneFromOptions(options)
                               : CivilZone{};
    sheet.Observer.Zone = zone.ZoneHours;
    if (auto out = options.Value("--out")) job.Out = std::string(*out);
    CheckOutputName("--out", job.Out);
    // Standard output under any of its names is a PDF unless the name says otherwise.
    if (!PrintFormatOfName(job.Out, job.Format) && !IsStandardOutput(job.Out))
        throw UsageError("--out: " + QuoteForMessage(job.Out) + " ends in none of .pdf, .svg, .png");
    if (series && job.Format != PrintFormat::Pdf)
        throw UsageError("a series is printed into one PDF: --out FILE.pdf");
    if (instants.size() > MaxPrintedSheets)
        throw UsageError("the series has more than " + std::to_string(MaxPrintedSheets) +
                         " sheets; take a larger --step");
    if (auto paper = options.Value("--paper"); paper && !ParsePaper(*paper, job.Sheet.Sheet))
        throw UsageError("--paper: " + QuoteForMessage(*paper) + " is none of A4, A3, letter");
    job.Sheet.Landscape = options.Has("--landscape");
    if (auto dpi = options.Value("--dpi")) {
        job.Sheet.Dpi = static_cast<int>(ParseInteger("--dpi", *dpi, MinPrintDpi, MaxPrintDpi));
        if (job.Format != PrintFormat::Png) throw UsageError("--dpi applies to a PNG only");
    }
    if (auto mag = options.Value("--label-mag")) {
        sheet.LabelMagnitude = ParseFiniteDouble("--label-mag", *mag);
        if (sheet.LabelMagnitude < -30 || sheet.LabelMagnitude > 30)
            throw UsageError("--label-mag: " + QuoteForMessage(*mag) + " is outside -30..30");
    }
    {
        ViewOptions view;
        if (options.Has("--show") || options.Has(SmallBodiesMagOption.Name)) view = ParseViewOptions(options);
        if (view.Figures || view.Names || view.Labels || view.Directions || view.SelectedSlot >= 0)
            throw UsageError(
                "--show: a sheet takes grid, eqgrid, equator, ecliptic and small-bodies (it always has the "
                "rest)");
        sheet.Lines = view.Lines;
        AttachSmallBodies(options, view, PrintCommand.Name);
        sheet.SmallBodies = {view.Bodies, view.SmallBodyMagnitude, view.SmallBodies, view.PathBody,
                             view.PathDays};
    }
    if (std::optional<HorizonFile> file = HorizonFromOptions(options)) {
        sheet.Skyline = [horizon = file->Horizon](double azimuth) { return horizon->AltitudeAt(azimuth); };
        job.Warnings = std::move(file->Warnings);
    }
    const std::string title =
        options.Has("--title") ? Utf8ToCp1250(*options.Value("--title")) : std::string(DefaultPrintTitle);
    for (const double instant : series ? instants : std::vector<double>{sheet.Observer.JulianDay}) {
        sheet.Observer.JulianDay = instant;
        sheet.Observer.SummerTime = zone.SummerAt(instant);
        sheet.Header = PrintHeaderFor(sheet.Observer, sky.PlaceName, title);
        job.Sheets.push_back(sheet);
    }
    ParseFinder(options, job);
    if (auto bench = options.Value("--bench")) {
        job.Bench = ParseInteger("--bench", *bench, 1, 100000);
        if (options.Has("--out")) throw UsageError("--bench writes no files; leave out --out");
    }
    return job;
}

// The job's document: its finder chart, or its sheets.
std::string PrintJobInto(const PrintJob& job, std::string& bytes) {
    if (!job.Finder) return PrintSheets(job.Sheets, job.Format, job.Sheet, bytes);
    FinderChartRequest chart = *job.Finder;
    chart.Stars = &ProgramDeepStars();
    if (!chart.Stars->IsOpen())
        std::fprintf(stderr, "%s print: deep stars not shown: %s\n", ProgramName.data(),
                     chart.Stars->Error().c_str());
    return PrintFinderChart(chart, job.Format, job.Sheet, bytes);
}

int Bench(const PrintJob& job) {
    std::vector<double> times;
    std::string bytes;
    for (long long k = 0; k < job.Bench; ++k) {
        const auto start = std::chrono::steady_clock::now();
        if (const std::string error = PrintJobInto(job, bytes); !error.empty()) {
            std::fprintf(stderr, "%s print: %s\n", ProgramName.data(), error.c_str());
            return ExitFailure;
        }
        times.push_back(MillisecondsSince(start));
    }
    PrintTimes("print_ms", times);
    std::printf("bytes=%zu pages=%zu\n", bytes.size(), job.Sheets.size());
    return ExitSuccess;
}

int Print(const ParsedOptions& options) {
    const PrintJob job = ParsePrintJob(options);
    PrintWarnings(PrintCommand.Name, job.Warnings);
    if (!RegisterProgramFonts()) {
        std::fprintf(stderr, "%s print: cannot read the program's own fonts\n", ProgramName.data());
        return ExitFailure;
    }
    if (job.Bench > 0) return Bench(job);
    std::string bytes;
    std::string failure = PrintJobInto(job, bytes);
    if (failure.empty()) {
        const Output output{job.Out, bytes};
        failure = WriteOutputs({&output, 1});
    }
    if (!failure.empty()) {
        std::fprintf(stderr, "%s print: %s\n", ProgramName.data(), failure.c_str());
        return ExitFailure;
    }
    if (!IsStandardOutput(job.Out)) std::printf("%s\n", job.Out.c_str());
    return ExitSuccess;
}

}  // namespace

int RunPrint(std::span<char* const> args) { return RunCommand(PrintCommand, args, Print); }

std::optional<std::string> PrintRefusal(std::span<char* const> args) {
    return RefusalOf(PrintCommand, args, [](const ParsedOptions& options) { ParsePrintJob(options); });
}

}  // namespace kolvar::cli
