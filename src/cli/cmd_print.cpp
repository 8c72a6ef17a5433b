// kolvar-chart print: the sky drawn for paper, as a PDF, SVG or PNG file.

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "canvas/cp1250.h"
#include "canvas/program_fonts.h"
#include "cli/city_option.h"
#include "cli/cli_options.h"
#include "cli/output_file.h"
#include "cli/render_request.h"
#include "cli/render_series.h"
#include "cli/sky_options.h"
#include "cli/subcommands.h"
#include "print/print_document.h"
#include "print/print_texts.h"
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
    {"--title", "TEXT",
     "the sheet's title, written in runes and in plain letters (default: Csillagos \xC3\xA9g)"},
    {"--bench", "N", "print N times into memory, write nothing, print print_ms (min, median, max) and bytes"},
};

constexpr CommandSpec PrintCommand{
    "print",
    "Draws the sky for paper: white ground, black stars sized by brightness, the Milky Way in light\n"
    "grey, constellation figures, deep-sky symbols by kind, Sun, Moon with its phase and planets, the\n"
    "horizon with an azimuth scale, the ecliptic, a header with place, date and time and a key.\n"
    "The file's extension chooses the format; PDF and SVG are vectors with the fonts embedded.\n"
    "A series (--from, --to, --step) prints one page per instant into one PDF.",
    PrintOptions,
};

struct PrintJob {
    std::vector<PrintRequest> Sheets;
    PrintFormat Format = PrintFormat::Pdf;
    SheetOptions Sheet;
    std::string Out = "kolvar-sky.pdf";
    long long Bench = 0;
};

// A printed series of more sheets than this is surely a mistaken step.
constexpr std::size_t MaxPrintedSheets = 1000;

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
    const std::string title =
        options.Has("--title") ? Utf8ToCp1250(*options.Value("--title")) : std::string(DefaultPrintTitle);
    for (const double instant : series ? instants : std::vector<double>{sheet.Observer.JulianDay}) {
        sheet.Observer.JulianDay = instant;
        sheet.Observer.SummerTime = zone.SummerAt(instant);
        sheet.Header = PrintHeaderFor(sheet.Observer, title);
        job.Sheets.push_back(sheet);
    }
    if (auto bench = options.Value("--bench")) {
        job.Bench = ParseInteger("--bench", *bench, 1, 100000);
        if (options.Has("--out")) throw UsageError("--bench writes no files; leave out --out");
    }
    return job;
}

int Bench(const PrintJob& job) {
    std::vector<double> times;
    std::string bytes;
    for (long long k = 0; k < job.Bench; ++k) {
        const auto start = std::chrono::steady_clock::now();
        if (const std::string error = PrintSheets(job.Sheets, job.Format, job.Sheet, bytes); !error.empty()) {
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
    if (!RegisterProgramFonts()) {
        std::fprintf(stderr, "%s print: cannot read the program's own fonts\n", ProgramName.data());
        return ExitFailure;
    }
    if (job.Bench > 0) return Bench(job);
    std::string bytes;
    std::string failure = PrintSheets(job.Sheets, job.Format, job.Sheet, bytes);
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
