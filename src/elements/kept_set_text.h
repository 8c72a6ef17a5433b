#pragma once

// The kept set of imported bodies as text: the file the programs keep in the
// user's data folder. One body a line, tab-separated, numbers written so that
// they read back to the same doubles:
//
//   kolvar small bodies 1
//   kind designation name q e i w node tp epoch magnitude slope
//   C	1P	Halley	0.58597811151690904	...
//
// kind is M (minor planet) or C (comet); angles in degrees, instants Julian
// days (TT), magnitude "nan" when unknown.

#include <span>
#include <string>
#include <string_view>

#include "astro/small_body.h"
#include "elements/element_import.h"

namespace kolvar {

inline constexpr std::string_view KeptSetFirstLine = "kolvar small bodies 1";

std::string KeptSetText(std::span<const SmallBody> bodies);

// The bodies of a kept-set text; lines that give none are problems (a file
// changed by hand, or cut short), and the others are kept.
ImportResult ReadKeptSetText(std::string_view text);

// The key two bodies are the same body by: kind and designation.
std::string BodyKey(const SmallBody& body);

// `bodies` with `added` merged in: a body of `added` replaces the one of the
// same key (newer elements) and the others are appended in order. `replaced`
// counts the replacements.
std::vector<SmallBody> MergeBodies(std::vector<SmallBody> bodies, std::span<const SmallBody> added,
                                   std::size_t& replaced);

}  // namespace kolvar
