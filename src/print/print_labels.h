#pragma once

// The words on the printed chart: the Sun's, the Moon's and the planets'
// names, the constellation names with their runic names beneath, star names
// (proper names, else Greek letters) above a magnitude limit and Messier
// designations. Which words stand and where is the screen's own choice
// (chart/sky_labels.h), measured with the print faces in page points.

#include "print/paper_sky.h"

namespace kolvar {

// Labels stars brighter than magnitude class `labelMagnitude`.
void DrawPaperLabels(Ink& ink, const PaperSky& sky, double labelMagnitude);

}  // namespace kolvar
