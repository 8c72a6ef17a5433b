#pragma once

// The runic captions of printing in the main window's observer menu. Each is
// written from its Hungarian source (Windows-1250, kept beside it for the
// plain-letter menu) by the transliteration routine and stored reversed,
// because captions are drawn as stored; like the other menu items they carry
// one blank at each end. The plain source shows "..." where the menu shows
// an ellipsis: the runic font has the full stop but no ellipsis.

#include "catalog/runic_captions.h"

namespace kolvar {

struct PrintMenuTexts {
    RunicText Print;        // "Nyomtatás...": the print preview and the printer
    RunicText SaveAsImage;  // "Mentés képként...": a PDF, SVG or PNG file
};
extern const PrintMenuTexts PrintMenuCaptions;

}  // namespace kolvar
