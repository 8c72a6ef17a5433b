#include "print/plan_sheet.h"

#include <algorithm>

#include "print/ink.h"

namespace kolvar {

namespace {

constexpr double Margin = 36.0;
constexpr double TitleSize = 16.0;
constexpr double LineSize = 9.5;
constexpr double CellSize = 8.0;
constexpr double RowHeight = 11.5;
constexpr double ColumnGap = 6.0;
constexpr std::string_view Continued = "(folytat\xE1s)";
constexpr std::string_view FindersLeftOut = "Keres\xF5t\xE9rk\xE9p csak az els\xF5 ";
constexpr std::string_view FindersLeftOutEnd = " objektumhoz.";

double NightBlockHeight(const PlanSheetRequest& plan) {
    return TitleSize + 10.0 + static_cast<double>(plan.NightLines.size()) * (LineSize + 4.0) + 10.0 +
           (plan.Finders.size() < plan.Rows.size() ? LineSize + 4.0 : 0.0);
}

// Each column as wide as its widest cell; squeezed alike when the page is narrower.
std::vector<double> ColumnWidths(const Ink& ink, const PlanSheetRequest& plan, double room) {
    std::vector<double> widths(plan.Columns.size(), 0.0);
    const auto widen = [&](const std::vector<std::string>& row) {
        for (std::size_t k = 0; k < row.size() && k < widths.size(); ++k)
            widths[k] = std::max(widths[k], ink.TextWidth(PrintFace::Plain, CellSize, row[k]));
    };
    widen(plan.Columns);
    for (const auto& row : plan.Rows) widen(row);
    double total = 0.0;
    for (double& w : widths) total += (w += ColumnGap);
    if (total > room)
        for (double& w : widths) w *= room / total;
    return widths;
}

void DrawRow(Ink& ink, const std::vector<std::string>& cells, const std::vector<double>& widths, double y) {
    double x = Margin;
    for (std::size_t k = 0; k < cells.size() && k < widths.size(); ++k) {
        ink.Save();
        ink.Rectangle(x, y - RowHeight, widths[k] - ColumnGap / 2, RowHeight + 3.0);
        ink.Clip();
        ink.Text(PrintFace::Plain, CellSize, {x, y}, cells[k]);
        ink.Restore();
        x += widths[k];
    }
}

void DrawTablePage(Ink& ink, const PlanSheetRequest& plan, const PlanPages& pages, PageSize page,
                   std::size_t index) {
    ink.Grey(1.0);
    ink.Paint();
    ink.Grey(0.0);
    double y = Margin + TitleSize;
    if (index == 0) {
        ink.Text(PrintFace::Plain, TitleSize, {Margin, y}, plan.Title);
        y += 10.0;
        for (const std::string& line : plan.NightLines) {
            y += LineSize + 4.0;
            ink.Text(PrintFace::Plain, LineSize, {Margin, y}, line);
        }
        if (plan.Finders.size() < plan.Rows.size()) {
            y += LineSize + 4.0;
            ink.Text(PrintFace::Plain, LineSize, {Margin, y},
                     std::string(FindersLeftOut) + std::to_string(plan.Finders.size()) +
                         std::string(FindersLeftOutEnd));
        }
        y += 10.0;
    } else {
        ink.Text(PrintFace::Plain, LineSize, {Margin, y}, plan.Title + " " + std::string(Continued));
    }
    const std::vector<double> widths = ColumnWidths(ink, plan, page.Width - 2 * Margin);
    y += RowHeight + 4.0;
    DrawRow(ink, plan.Columns, widths, y);
    ink.LineWidth(0.6);
    ink.MoveTo({Margin, y + 3.0});
    ink.LineTo({page.Width - Margin, y + 3.0});
    ink.Stroke();
    const std::size_t first = index == 0 ? 0 : pages.RowsOnFirst + (index - 1) * pages.RowsPerPage;
    const std::size_t count = index == 0 ? pages.RowsOnFirst : pages.RowsPerPage;
    for (std::size_t r = first; r < plan.Rows.size() && r < first + count; ++r) {
        y += RowHeight;
        DrawRow(ink, plan.Rows[r], widths, y);
    }
}

// Four finder sheets to a page, each the whole sheet at half its size.
void DrawFinderPage(Ink& ink, const PlanSheetRequest& plan, PageSize page, std::size_t index) {
    ink.Grey(1.0);
    ink.Paint();
    const double w = page.Width / 2, h = page.Height / 2;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t at = index * 4 + k;
        if (at >= plan.Finders.size()) break;
        ink.Save();
        const double x = static_cast<double>(k % 2) * w, y = static_cast<double>(k / 2) * h;
        ink.Rectangle(x, y, w, h);
        ink.Clip();
        ink.Translate(x, y);
        ink.Cairo().cairo_scale(ink.Context(), 0.5, 0.5);
        DrawFinderChart(ink, page, plan.Finders[at]);
        ink.Restore();
    }
    // Cut lines between the four.
    ink.Grey(0.6);
    ink.LineWidth(0.4);
    ink.Dash({3.0, 3.0});
    ink.MoveTo({w, 0.0});
    ink.LineTo({w, page.Height});
    ink.MoveTo({0.0, h});
    ink.LineTo({page.Width, h});
    ink.Stroke();
    ink.Dash({});
}

}  // namespace

PlanPages CountPlanPages(const PlanSheetRequest& plan, PageSize page) {
    PlanPages p;
    const double tableTop = Margin + TitleSize + 2 * RowHeight + 7.0;
    const auto rowsIn = [](double room) { return static_cast<std::size_t>(std::max(1.0, room / RowHeight)); };
    p.RowsOnFirst = rowsIn(page.Height - Margin - tableTop - NightBlockHeight(plan));
    p.RowsPerPage = rowsIn(page.Height - Margin - tableTop);
    if (plan.Rows.size() > p.RowsOnFirst)
        p.Table += (plan.Rows.size() - p.RowsOnFirst + p.RowsPerPage - 1) / p.RowsPerPage;
    p.Finders = (std::min(plan.Finders.size(), MaxPlanFinderCharts) + 3) / 4;
    return p;
}

std::string PrintPlan(const PlanSheetRequest& given, PrintFormat format, const SheetOptions& options,
                      std::string& bytes) {
    PlanSheetRequest plan = given;
    if (plan.Finders.size() > MaxPlanFinderCharts) plan.Finders.resize(MaxPlanFinderCharts);
    const PageSize page = PageSizeOf(options.Sheet, options.Landscape);
    const PlanPages pages = CountPlanPages(plan, page);
    const std::size_t count = format == PrintFormat::Pdf ? pages.Table + pages.Finders : 1;
    return PrintDrawnPages(
        page, count, format, options, plan.Title,
        [&](Ink& ink, std::size_t index) {
            if (index < pages.Table)
                DrawTablePage(ink, plan, pages, page, index);
            else
                DrawFinderPage(ink, plan, page, index - pages.Table);
        },
        bytes);
}

}  // namespace kolvar
