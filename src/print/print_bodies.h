#pragma once

// The Sun, the Moon and the planets on paper: the Sun as its circle-and-dot
// sign, the Moon as a disc lit on the side facing the Sun as much as its
// phase shows, the planets as their signs from the runic font (which carries
// the astronomical symbols), each on a small white ground.

#include <array>

#include "print/paper_sky.h"

namespace kolvar {

void DrawPaperBodies(Ink& ink, const PaperSky& sky);

// The Moon's colours: its dark and lit parts and its rim, whose width is a
// share of the radius. On paper: grey, white and black.
struct MoonInk {
    std::array<double, 3> Dark{0.45, 0.45, 0.45};
    std::array<double, 3> Lit{1.0, 1.0, 1.0};
    std::array<double, 3> Rim{0.0, 0.0, 0.0};
    double RimShare = 0.14;
};

// The Moon's face `radius` points across at `at`: lit towards page angle
// `sunward` (radians, clockwise from the page's x axis) as the phase angle
// (0 new, pi full) shows it.
void DrawMoonPhase(Ink& ink, PagePoint at, double radius, double phase, double sunward,
                   const MoonInk& colours = {});

// The page direction from the Moon towards the Sun along the great circle
// through both.
double SunwardAngle(const PaperSky& sky, const SkyObjectEntry& moon, const SkyObjectEntry& sun);

}  // namespace kolvar
