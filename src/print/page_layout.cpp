#include "print/page_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kolvar {

namespace {

constexpr double Millimetre = 72.0 / 25.4;
constexpr double Margin = 10 * Millimetre;
// Room outside the horizon circle for the azimuth scale, its numbers and the
// direction letters, and the sizes of the bands of a portrait A4 sheet.
constexpr double RimRoom = 28.0;
constexpr double HeaderHeight = 70.0;
constexpr double KeyHeight = 44.0;
constexpr double ColumnWidth = 130.0;
// The horizon radius of a portrait A4 sheet, to which sizes are relative.
constexpr double A4Radius = 241.0;

}  // namespace

PageSize PageSizeOf(Paper paper, bool landscape) {
    PageSize size;
    switch (paper) {
        case Paper::A4:
            size = {210 * Millimetre, 297 * Millimetre};
            break;
        case Paper::A3:
            size = {297 * Millimetre, 420 * Millimetre};
            break;
        case Paper::Letter:
            size = {612.0, 792.0};
            break;
    }
    if (landscape) std::swap(size.Width, size.Height);
    return size;
}

bool ParsePaper(std::string_view text, Paper& paper) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (lower == "a4")
        paper = Paper::A4;
    else if (lower == "a3")
        paper = Paper::A3;
    else if (lower == "letter")
        paper = Paper::Letter;
    else
        return false;
    return true;
}

PageLayout LayOutPage(PageSize page) {
    PageLayout layout;
    layout.Page = page;
    const double inner = std::min(page.Width, page.Height) - 2 * Margin;
    // The bands grow with the sheet, as everything drawn on it does.
    const double grow = std::max(0.5, inner / (210 * Millimetre - 2 * Margin));
    const double header = HeaderHeight * grow, key = KeyHeight * grow, column = ColumnWidth * grow;
    double chartX = Margin, chartY = Margin, chartW = page.Width - 2 * Margin,
           chartH = page.Height - 2 * Margin;
    layout.Columns = page.Width > page.Height;
    if (layout.Columns) {
        layout.Header = {Margin, Margin, column, chartH};
        layout.Key = {page.Width - Margin - column, Margin, column, chartH};
        chartX += column;
        chartW -= 2 * column;
    } else {
        layout.Header = {Margin, Margin, chartW, header};
        layout.Key = {Margin, page.Height - Margin - key, chartW, key};
        chartY += header;
        chartH -= header + key;
    }
    const double rim = RimRoom * grow;
    layout.Radius = std::max(1, static_cast<int>(std::floor(std::min(chartW, chartH) / 2 - rim)));
    layout.CentreX = static_cast<int>(std::lround(chartX + chartW / 2));
    layout.CentreY = static_cast<int>(std::lround(chartY + chartH / 2));
    if (!layout.Columns) {
        // The chart right under the header and the key right under the
        // chart; what the sheet has to spare stays free at its foot.
        layout.CentreY = static_cast<int>(std::lround(chartY + rim + layout.Radius));
        layout.Key.Y = std::min(layout.Key.Y, layout.CentreY + layout.Radius + rim);
    }
    layout.Scale = layout.Radius / A4Radius;
    return layout;
}

}  // namespace kolvar
