#pragma once

// Printed sheets as files: PDF (one page per sheet), SVG or PNG (one sheet),
// all three drawn by the same code through cairo. The bytes are collected in
// memory and handed back; the caller writes them (appcore's file writer).

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "print/finder_chart.h"
#include "print/page_layout.h"
#include "print/print_chart.h"

namespace kolvar {

enum class PrintFormat { Pdf, Svg, Png };

// The format a file name's extension names (.pdf, .svg, .png, any case);
// false for any other name.
bool PrintFormatOfName(std::string_view name, PrintFormat& format);

struct SheetOptions {
    Paper Sheet = Paper::A4;
    bool Landscape = false;
    int Dpi = 150;  // pixels per inch of a PNG
};

inline constexpr int MinPrintDpi = 36;
inline constexpr int MaxPrintDpi = 600;  // an A3 sheet is then 7016 x 9921 pixels

// Draws the sheets into `bytes`. An SVG or PNG holds exactly one sheet.
// Returns a one-line reason on failure (cairo missing, a font unreadable),
// "" on success.
std::string PrintSheets(std::span<const PrintRequest> sheets, PrintFormat format, const SheetOptions& options,
                        std::string& bytes);

// Draws one finder chart into `bytes`, as PrintSheets does.
std::string PrintFinderChart(const FinderChartRequest& chart, PrintFormat format, const SheetOptions& options,
                             std::string& bytes);

class Ink;

// Draws `pages` pages of the size `page`, each by `draw` (in points), into
// `bytes` as PrintSheets does; a PDF carries `title` (Windows-1250).
std::string PrintDrawnPages(PageSize page, std::size_t pages, PrintFormat format, const SheetOptions& options,
                            const std::string& title, const std::function<void(Ink&, std::size_t)>& draw,
                            std::string& bytes);

// A PDF of PrintSheets made ready for the printing system: the transparency
// group cairo puts on every page is blanked out (same length, so the file's
// offsets hold). The sheet draws nothing transparent, and with the group the
// printing system's PostScript filters turn each page into one picture,
// losing its text and lines.
void DropPageGroups(std::string& pdf);

// The sheet's size in pixels at `dpi`.
int SheetPixels(double points, double dpi);

}  // namespace kolvar
