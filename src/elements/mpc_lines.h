#pragma once

// One line of the Minor Planet Center's orbit files: MPCORB.DAT and its
// extracts for minor planets, CometEls.txt for comets.

#include <string>
#include <string_view>
#include <variant>

#include "astro/small_body.h"

namespace kolvar {

// A body, or why the line gives none.
using LineResult = std::variant<SmallBody, std::string>;

// Whether a line has the comet layout (an orbit type letter in column 5 and
// the perihelion year in columns 15-18) rather than the minor planet one.
bool LooksLikeCometLine(std::string_view line);

LineResult ReadMinorPlanetLine(std::string_view line);
LineResult ReadCometLine(std::string_view line);

// The two name columns' common forms, split into designation and name:
// "(1) Ceres" -> "1", "Ceres"; "(3708) 1980 FV12" -> "3708", ""; "2010 AB12"
// -> "2010 AB12", "" (minor planets). "1P/Halley" -> "1P", "Halley";
// "C/1995 O1 (Hale-Bopp)" -> "C/1995 O1", "Hale-Bopp"; a fragment written
// after the name goes to the designation: "73P/Schwassmann-Wachmann 3-B" ->
// "73P-B", "Schwassmann-Wachmann 3" (comets).
void SplitMinorPlanetName(std::string_view text, std::string& designation, std::string& name);
// The JPL small-body database's form: "1 Ceres (A801 AA)" -> "1", "Ceres";
// "3708 (1980 FV12)" -> "3708", ""; "(2010 AB12)" -> "2010 AB12", "".
void SplitJplMinorPlanetName(std::string_view text, std::string& designation, std::string& name);
void SplitCometName(std::string_view text, std::string& designation, std::string& name);

}  // namespace kolvar
