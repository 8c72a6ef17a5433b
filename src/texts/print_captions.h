#pragma once

// The runic captions of printing in the main window's observer menu, written
// like the view menu's (view_captions.h) from their Hungarian sources, which
// stay beside them. The sources end in "..." where a menu shows an ellipsis:
// the runic font has the full stop but no ellipsis.

#include <string_view>

#include "texts/view_captions.h"

namespace kolvar {

// A printed sheet's title when none is given (Windows-1250).
inline constexpr std::string_view DefaultPrintTitle = "Csillagos \xE9g";

struct PrintMenuTexts {
    ViewCaption Print;        // the print preview and the printer
    ViewCaption SaveAsImage;  // a PDF, SVG or PNG file
};

// Written once, on first use.
const PrintMenuTexts& PrintMenuCaptions();

}  // namespace kolvar
