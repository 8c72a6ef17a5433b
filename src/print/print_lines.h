#pragma once

// The grids and lines over the printed sky (and the smooth screen style):
// the altitude-azimuth grid, the equatorial grid with its labels just inside
// the horizon, the equator and the ecliptic, in vectors cut at the horizon.

#include <array>
#include <string>
#include <vector>

#include "chart/view_options.h"
#include "print/paper_sky.h"

namespace kolvar {

using InkColour = std::array<double, 3>;  // red, green, blue 0..1

struct PaperLineLook {
    double Width = 0.4;      // points at scale 1
    double LabelSize = 5.0;  // points at scale 1
    bool Clip = true;        // held to the horizon circle (the lines are cut there already)
    InkColour AltAzGrid, EquatorialGrid, Equator, Ecliptic, Label;
};

// Soft greys and tints that read on white paper.
PaperLineLook PrintedLineLook();

// The lines `lines` turns on as pieces in page points, each cut where it
// meets the horizon, in their colours; and where the equatorial grid's lines
// meet the horizon, with their labels.
struct PaperLineLayer {
    InkColour Colour;
    std::vector<std::vector<PagePoint>> Pieces;
};
struct PaperRimLabel {
    PagePoint At;
    std::string Text;
};
struct PaperLines {
    std::vector<PaperLineLayer> Layers;
    std::vector<PaperRimLabel> Rims;
};
PaperLines PaperLinesOf(const PaperSky& sky, const SkyLines& lines, const PaperLineLook& look);

// Each label just inside the horizon where its line meets it; one that would
// touch a label already written is left out.
void DrawPaperRimLabels(Ink& ink, const PaperSky& sky, const PaperLines& lines, const PaperLineLook& look);

// Both, the pieces stroked.
void DrawPaperSkyLines(Ink& ink, const PaperSky& sky, const SkyLines& lines, const PaperLineLook& look);

}  // namespace kolvar
