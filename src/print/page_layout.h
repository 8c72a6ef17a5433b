#pragma once

// Where the parts of a printed chart stand on the sheet, in points (1/72
// inch) from the top left corner: the header (title, place, date), the
// chart's horizon circle with its scale, and the key. Portrait sheets stack
// the three; landscape sheets put the header and the key beside the chart.

#include <string_view>

namespace kolvar {

enum class Paper { A4, A3, Letter };

struct PageSize {
    double Width = 0.0;
    double Height = 0.0;
};

// The sheet in points; landscape swaps the sides.
PageSize PageSizeOf(Paper paper, bool landscape);

// "A4", "A3" or "letter" (any case); false for anything else.
bool ParsePaper(std::string_view text, Paper& paper);

struct PageBox {
    double X = 0.0, Y = 0.0, Width = 0.0, Height = 0.0;
};

struct PageLayout {
    PageSize Page;
    PageBox Header;
    PageBox Key;
    bool Columns = false;  // header and key beside the chart rather than above and below
    // The horizon circle, whole points so that it is exactly the chart
    // frame's centre and radius.
    int CentreX = 0;
    int CentreY = 0;
    int Radius = 0;
    // Symbol, line and text sizes relative to those of an A4 portrait sheet.
    double Scale = 1.0;
};

PageLayout LayOutPage(PageSize page);

}  // namespace kolvar
