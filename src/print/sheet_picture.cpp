#include "print/sheet_picture.h"

#include <algorithm>
#include <cstring>

#include "print/ink.h"
#include "print/print_tools.h"

namespace kolvar {

std::unique_ptr<SheetPicture> SheetPicture::Record(const PrintRequest& sheet, const SheetOptions& options,
                                                   std::string& error) {
    PrintTools tools;
    error = OpenPrinting(tools);
    if (!error.empty()) return nullptr;
    const CairoLibrary& c = *tools.Cairo;
    const PageLayout layout = LayOutPage(PageSizeOf(options.Sheet, options.Landscape));
    const cairo_rectangle_t extents{0.0, 0.0, layout.Page.Width, layout.Page.Height};
    cairo_surface_t* recording = c.cairo_recording_surface_create(CAIRO_CONTENT_COLOR, &extents);
    cairo_t* cr = c.cairo_create(recording);
    SetPaperFontOptions(c, cr);
    Ink ink(c, *tools.Fonts, cr);
    DrawPrintSheet(ink, layout, sheet);
    const cairo_status_t status = c.cairo_status(cr);
    c.cairo_destroy(cr);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = CairoFailure(c, status);
        c.cairo_surface_destroy(recording);
        return nullptr;
    }
    return std::unique_ptr<SheetPicture>(new SheetPicture(c, recording, layout));
}

SheetPicture::~SheetPicture() { cairo_.cairo_surface_destroy(recording_); }

std::string SheetPicture::PaintRows(double dpi, int top, int rows, std::vector<std::uint32_t>& pixels,
                                    int& width) const {
    const CairoLibrary& c = cairo_;
    width = SheetPixels(layout_.Page.Width, dpi);
    rows = std::max(rows, 1);
    cairo_surface_t* surface = c.cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, rows);
    cairo_t* cr = c.cairo_create(surface);
    c.cairo_translate(cr, 0.0, -top);
    c.cairo_scale(cr, dpi / 72.0, dpi / 72.0);
    c.cairo_set_source_surface(cr, recording_, 0.0, 0.0);
    c.cairo_paint(cr);
    const cairo_status_t status = c.cairo_status(cr);
    c.cairo_destroy(cr);
    c.cairo_surface_flush(surface);
    if (status == CAIRO_STATUS_SUCCESS) {
        const unsigned char* data = c.cairo_image_surface_get_data(surface);
        const int stride = c.cairo_image_surface_get_stride(surface);
        pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows));
        for (int y = 0; y < rows; ++y) {
            std::memcpy(pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                        data + static_cast<std::ptrdiff_t>(y) * stride, static_cast<std::size_t>(width) * 4);
        }
        for (std::uint32_t& p : pixels) p |= 0xFF000000u;  // RGB24 leaves the top byte unset
    }
    c.cairo_surface_destroy(surface);
    return status == CAIRO_STATUS_SUCCESS ? "" : CairoFailure(c, status);
}

}  // namespace kolvar
