#include "print/print_document.h"

#include <cmath>
#include <cstring>
#include <functional>

#include "canvas/cp1250.h"
#include "print/ink.h"
#include "print/print_tools.h"

namespace kolvar {

namespace {

cairo_status_t Collect(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// Draws `pages` pages on `surface`, scaled from points by `scale`, each by
// `draw`. Returns "" or the reason.
std::string DrawPages(const PrintTools& o, cairo_surface_t* surface, std::size_t pages,
                      const std::function<void(Ink&, std::size_t)>& draw, double scale, bool finish) {
    const CairoLibrary& c = *o.Cairo;
    cairo_t* cr = c.cairo_create(surface);
    SetPaperFontOptions(c, cr);
    c.cairo_scale(cr, scale, scale);
    Ink ink(c, *o.Fonts, cr);
    for (std::size_t page = 0; page < pages; ++page) {
        ink.Save();
        draw(ink, page);
        ink.Restore();
        c.cairo_show_page(cr);
    }
    cairo_status_t status = c.cairo_status(cr);
    c.cairo_destroy(cr);
    // A vector surface writes its last bytes when finished; a picture keeps
    // its pixels open for the PNG encoder.
    if (finish)
        c.cairo_surface_finish(surface);
    else
        c.cairo_surface_flush(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = c.cairo_surface_status(surface);
    return status == CAIRO_STATUS_SUCCESS ? "" : CairoFailure(c, status);
}

// The document of `pages` pages of size `page` in `format`, each drawn by
// `draw`; a PDF carries `title` (Windows-1250).
std::string PrintPages(const PrintTools& o, PageSize page, std::size_t pages, PrintFormat format,
                       const SheetOptions& options, const std::string& title,
                       const std::function<void(Ink&, std::size_t)>& draw, std::string& bytes) {
    const CairoLibrary& c = *o.Cairo;
    const double w = page.Width, h = page.Height;
    bytes.clear();
    cairo_surface_t* surface = nullptr;
    double scale = 1.0;
    switch (format) {
        case PrintFormat::Pdf: {
            surface = c.cairo_pdf_surface_create_for_stream(Collect, &bytes, w, h);
            c.cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, Cp1250ToUtf8(title).c_str());
            c.cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Kolvar");
            break;
        }
        case PrintFormat::Svg:
            surface = c.cairo_svg_surface_create_for_stream(Collect, &bytes, w, h);
            break;
        case PrintFormat::Png:
            scale = options.Dpi / 72.0;
            surface = c.cairo_image_surface_create(CAIRO_FORMAT_RGB24, SheetPixels(w, options.Dpi),
                                                   SheetPixels(h, options.Dpi));
            break;
    }
    if (const cairo_status_t status = c.cairo_surface_status(surface); status != CAIRO_STATUS_SUCCESS) {
        c.cairo_surface_destroy(surface);
        return CairoFailure(c, status);
    }
    std::string error = DrawPages(o, surface, pages, draw, scale, format != PrintFormat::Png);
    if (error.empty() && format == PrintFormat::Png) {
        const cairo_status_t status = c.cairo_surface_write_to_png_stream(surface, Collect, &bytes);
        if (status != CAIRO_STATUS_SUCCESS) error = CairoFailure(c, status);
    }
    c.cairo_surface_destroy(surface);
    if (!error.empty()) bytes.clear();
    return error;
}

}  // namespace

void SetPaperFontOptions(const CairoLibrary& c, cairo_t* cr) {
    cairo_font_options_t* options = c.cairo_font_options_create();
    c.cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    c.cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    c.cairo_set_font_options(cr, options);
    c.cairo_font_options_destroy(options);
}

std::string CairoFailure(const CairoLibrary& c, cairo_status_t status) {
    return std::string("cairo: ") + c.cairo_status_to_string(status);
}

std::string OpenPrinting(PrintTools& tools) {
    std::string error;
    tools.Cairo = LoadCairo(error);
    if (tools.Cairo == nullptr) return error;
    tools.Fonts = PrintFonts::Open(*tools.Cairo, error);
    return tools.Fonts == nullptr ? error : "";
}

bool PrintFormatOfName(std::string_view name, PrintFormat& format) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.find('/', dot) != std::string_view::npos) return false;
    std::string extension(name.substr(dot + 1));
    for (char& ch : extension) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    if (extension == "pdf")
        format = PrintFormat::Pdf;
    else if (extension == "svg")
        format = PrintFormat::Svg;
    else if (extension == "png")
        format = PrintFormat::Png;
    else
        return false;
    return true;
}

std::string PrintDrawnPages(PageSize page, std::size_t pages, PrintFormat format, const SheetOptions& options,
                            const std::string& title, const std::function<void(Ink&, std::size_t)>& draw,
                            std::string& bytes) {
    PrintTools o;
    if (std::string error = OpenPrinting(o); !error.empty()) return error;
    return PrintPages(o, page, pages, format, options, title, draw, bytes);
}

void DropPageGroups(std::string& pdf) {
    // cairo writes the page's group in these lines, and nothing else in the
    // file has them: page contents are compressed streams.
    static constexpr std::string_view Group =
        "   /Group <<\n      /Type /Group\n      /S /Transparency\n      /I true\n      /CS /DeviceRGB\n   "
        ">>\n";
    for (std::size_t at = pdf.find(Group); at != std::string::npos; at = pdf.find(Group, at + Group.size()))
        pdf.replace(at, Group.size() - 1, Group.size() - 1, ' ');
}

int SheetPixels(double points, double dpi) {
    return std::max(1, static_cast<int>(std::lround(points * dpi / 72.0)));
}

std::string PrintSheets(std::span<const PrintRequest> sheets, PrintFormat format, const SheetOptions& options,
                        std::string& bytes) {
    if (sheets.empty()) return "nothing to print";
    if (format != PrintFormat::Pdf && sheets.size() != 1) return "only a PDF holds more than one sheet";
    PrintTools o;
    if (std::string error = OpenPrinting(o); !error.empty()) return error;
    const PageLayout layout = LayOutPage(PageSizeOf(options.Sheet, options.Landscape));
    return PrintPages(
        o, layout.Page, sheets.size(), format, options, sheets.front().Header.Title,
        [&](Ink& ink, std::size_t page) { DrawPrintSheet(ink, layout, sheets[page]); }, bytes);
}

std::string PrintFinderChart(const FinderChartRequest& chart, PrintFormat format, const SheetOptions& options,
                             std::string& bytes) {
    PrintTools o;
    if (std::string error = OpenPrinting(o); !error.empty()) return error;
    const PageSize page = PageSizeOf(options.Sheet, options.Landscape);
    return PrintPages(
        o, page, 1, format, options, FinderChartTitle(chart),
        [&](Ink& ink, std::size_t) { DrawFinderChart(ink, page, chart); }, bytes);
}

}  // namespace kolvar
