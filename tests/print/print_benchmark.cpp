// Timing and size of printed sheets: one A4 PDF, a month by month year of
// sheets in one PDF (12 pages), and the SVG and PNG of one sheet.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "../chart/chart_test_setup.h"
#include "canvas/program_fonts.h"
#include "print/print_document.h"
#include "print/print_texts.h"
#include "texts/print_captions.h"

namespace kolvar {
namespace {

// The 12th of every month of 2026 at 20:00 UT over the default place.
std::vector<PrintRequest> Sheets(int count) {
    InitialiseChartTables();
    RegisterProgramFonts();
    std::vector<PrintRequest> sheets;
    for (int month = 0; month < count; ++month) {
        PrintRequest sheet;
        sheet.Observer = StartingObserverState();
        sheet.Observer.Zone = 0;
        sheet.Observer.JulianDay = 2461053.3333333 + month * 30.436875;
        sheet.Header = PrintHeaderFor(sheet.Observer, "", DefaultPrintTitle);
        sheets.push_back(sheet);
    }
    return sheets;
}

void PrintSheetsAs(benchmark::State& state, PrintFormat format, int count) {
    const std::vector<PrintRequest> sheets = Sheets(count);
    std::string bytes;
    for (auto _ : state) {
        const std::string error = PrintSheets(sheets, format, SheetOptions{}, bytes);
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK_CAPTURE(PrintSheetsAs, OneA4Pdf, PrintFormat::Pdf, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PrintSheetsAs, TwelveMonthPdf, PrintFormat::Pdf, 12)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PrintSheetsAs, OneSvg, PrintFormat::Svg, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PrintSheetsAs, OnePng150Dpi, PrintFormat::Png, 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

BENCHMARK_MAIN();
