#pragma once

// The Sun, the Moon and the planets on paper: the Sun as its circle-and-dot
// sign, the Moon as a disc lit on the side facing the Sun as much as its
// phase shows, the planets as their signs from the runic font (which carries
// the astronomical symbols), each on a small white ground.

#include "print/paper_sky.h"

namespace kolvar {

void DrawPaperBodies(Ink& ink, const PaperSky& sky);

// The Moon's face `radius` points across at `at`: lit towards page angle
// `sunward` (radians, clockwise from the page's x axis) as the phase angle
// (0 new, pi full) shows it.
void DrawMoonPhase(Ink& ink, PagePoint at, double radius, double phase, double sunward);

}  // namespace kolvar
