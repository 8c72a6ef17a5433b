#pragma once

// The runic captions of printing in the main window's observer menu, written
// like the view menu's (view_captions.h) from their Hungarian sources, which
// stay beside them. The sources end in "..." where a menu shows an ellipsis:
// the runic font has the full stop but no ellipsis.

#include "catalog/view_captions.h"

namespace kolvar {

struct PrintMenuTexts {
    ViewCaption Print;        // the print preview and the printer
    ViewCaption SaveAsImage;  // a PDF, SVG or PNG file
};

// Written once, on first use.
const PrintMenuTexts& PrintMenuCaptions();

}  // namespace kolvar
