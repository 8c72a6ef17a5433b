#pragma once

// Drawing a local horizon by hand: points clicked on the chart's edge go
// into the profile (one per half degree of azimuth: a new click near an old
// point replaces it), which is written back as the text ReadLocalHorizon
// reads, one "azimuth altitude" pair of degrees a line, by azimuth.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "plan/local_horizon.h"

namespace kolvar {

// $XDG_DATA_HOME/kolvar/horizon.txt: where a drawn horizon goes when the
// settings name no horizon file.
std::filesystem::path DrawnHorizonPath();

// Adds a point (radians; the azimuth turned into 0..2 pi, the altitude held
// within 0..90 degrees) and returns its index; the points stay by azimuth.
std::size_t AddHorizonPoint(std::vector<LocalHorizon::Point>& points, LocalHorizon::Point point);

// The file's text, with a comment line first.
std::string LocalHorizonText(std::span<const LocalHorizon::Point> points);

}  // namespace kolvar
