#pragma once

// Tonight's plan on paper: a title, the night's times, the objects as a
// table (continued over as many pages as it takes), then a small finder
// chart for each object, four to a page, each a finder sheet drawn at half
// size. All texts are Windows-1250, as the caller writes them.

#include <string>
#include <vector>

#include "print/finder_chart.h"
#include "print/print_document.h"

namespace kolvar {

// Finder charts beyond this many objects are left out (the table says so).
inline constexpr std::size_t MaxPlanFinderCharts = 60;

struct PlanSheetRequest {
    std::string Title;
    std::vector<std::string> NightLines;  // one line each, under the title
    std::vector<std::string> Columns;     // the table's header
    std::vector<std::vector<std::string>> Rows;
    std::vector<FinderChartRequest> Finders;  // in the rows' order
};

// How many pages the plan takes on an A4 (or other) sheet.
struct PlanPages {
    std::size_t Table = 1;    // the first holds the title and the night's times
    std::size_t Finders = 0;  // four charts a page
    std::size_t RowsOnFirst = 0, RowsPerPage = 0;
};
PlanPages CountPlanPages(const PlanSheetRequest& plan, PageSize page);

// The plan as a PDF (an SVG or PNG holds its first page only); "" or the reason.
std::string PrintPlan(const PlanSheetRequest& plan, PrintFormat format, const SheetOptions& options,
                      std::string& bytes);

}  // namespace kolvar
