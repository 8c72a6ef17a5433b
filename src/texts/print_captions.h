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

// The window's messages about printing and saving (Windows-1250). A lead is
// followed by ": " and its cause.
inline constexpr std::string_view PrintFailedLead = "A nyomtat\xE1s nem siker\xFClt";
inline constexpr std::string_view SheetNotSavedLead = "A lap nem lett elmentve";
inline constexpr std::string_view SettingsNotSavedLead = "A be\xE1ll\xEDt\xE1sok nem menthet\xF5k ide";
inline constexpr std::string_view NoSheetFormatText = "a n\xE9v v\xE9ge nem .pdf, .svg vagy .png";
inline constexpr std::string_view PrinterRefusedText = "a nyomtat\xF3ra nem lehet rajzolni";

// What failed on a file, in Hungarian, for the file layer's action ("cannot
// write", "cannot replace", ...); empty for one it does not know.
std::string_view FileActionText(std::string_view action);
// The Hungarian of an errno value's text; empty for a value it does not know.
std::string_view ErrorCodeText(int code);

}  // namespace kolvar
