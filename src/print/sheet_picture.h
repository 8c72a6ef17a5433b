#pragma once

// One sheet recorded once as cairo drawing commands and played back into
// pictures of any resolution, a band of rows at a time: how a printer that
// takes pictures (the window's print dialog and preview) gets the sheet at
// its own resolution without the whole page in memory at once.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "print/print_document.h"

namespace kolvar {

class SheetPicture {
public:
    // Nothing, with the reason in `error`, when cairo or a face is missing.
    static std::unique_ptr<SheetPicture> Record(const PrintRequest& sheet, const SheetOptions& options,
                                                std::string& error);
    ~SheetPicture();
    SheetPicture(const SheetPicture&) = delete;
    SheetPicture& operator=(const SheetPicture&) = delete;

    const PageLayout& Layout() const { return layout_; }

    // Rows [top, top + rows) of the sheet at `dpi` pixels per inch as 32-bit
    // pixels 0xFFRRGGBB, `width` of them per row. "" or a one-line reason.
    std::string PaintRows(double dpi, int top, int rows, std::vector<std::uint32_t>& pixels,
                          int& width) const;

private:
    SheetPicture(const CairoLibrary& cairo, cairo_surface_t* recording, const PageLayout& layout)
        : cairo_(cairo), recording_(recording), layout_(layout) {}

    const CairoLibrary& cairo_;
    cairo_surface_t* recording_;
    PageLayout layout_;
};

}  // namespace kolvar
