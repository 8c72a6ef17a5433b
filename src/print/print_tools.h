#pragma once

// What every way of printing needs first: the cairo library and the faces.

#include <string>

#include "print/cairo_library.h"
#include "print/print_fonts.h"

namespace kolvar {

struct PrintTools {
    const CairoLibrary* Cairo = nullptr;
    const PrintFonts* Fonts = nullptr;
};

// Loads both (once); "" or a one-line reason.
std::string OpenPrinting(PrintTools& tools);

// Text shaped alike in every format: outlines unhinted, advances unrounded.
void SetPaperFontOptions(const CairoLibrary& c, cairo_t* cr);

// "cairo: " and cairo's text for a status.
std::string CairoFailure(const CairoLibrary& c, cairo_status_t status);

}  // namespace kolvar
