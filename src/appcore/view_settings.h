#pragma once

#include "chart/view_options.h"

namespace kolvar {

class IniFile;

// The reader's choice of layers and views, kept in the section [VIEW] of the
// settings file: Figures, Names, RunicNames, Labels, Directions, Night,
// Daylight as 0 or 1 and LabelMagnitude as a number; the grids and lines
// AltAzGrid, EquatorialGrid, Equator, Ecliptic as 0 or 1, once one was on;
// Style as sima (smooth) or alap (plain), once it was smooth. A
// missing or unreadable key keeps its default (everything off, magnitude 2).
// The comets and minor planets have a section of their own, [SMALLBODIES]:
// Show as 0 or 1 and Magnitude, their limit.
inline constexpr const char* ViewSection = "VIEW";
inline constexpr const char* SmallBodySection = "SMALLBODIES";

ViewOptions ReadViewSettings(const IniFile& ini);

// Writes every key of a section, unless the file has no such section yet and
// its choices are still the default: a file that never saw a choice stays as it was.
void WriteViewSettings(IniFile& ini, const ViewOptions& view);

}  // namespace kolvar
