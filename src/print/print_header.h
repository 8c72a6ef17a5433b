#pragma once

// The printed sheet's header (a title in runes with its plain Hungarian, the
// place, the date and the time) and its key (the star discs by magnitude,
// the deep-sky symbols, the ecliptic).

#include <string>

#include "print/ink.h"
#include "print/page_layout.h"

namespace kolvar {

// Plain texts are Windows-1250; the runic title is in the runic font's codes
// in reading order.
struct PrintHeader {
    std::string RunicTitle;
    std::string Title;
    std::string Place;  // the city's name, or the latitude and longitude
    std::string Date;   // "2026. augusztus 12., szerda"
    std::string Time;   // "22:00 (UTC+2)"
};

void DrawPrintHeader(Ink& ink, const PageLayout& layout, const PrintHeader& header);
void DrawPrintKey(Ink& ink, const PageLayout& layout);

}  // namespace kolvar
