#pragma once

// The optional layers and views of the picture commands (render, closeup,
// identify): --show LIST, --label-mag M, --night, --daylight. Without them a
// picture is exactly the plain one.

#include <string>

#include "chart/view_options.h"
#include "cli/cli_options.h"

namespace kolvar::cli {

// The layers --show takes, for its help: every view switch's word (with
// its note in brackets), then selection:SLOT.
std::string ShowLayersHelp();

inline constexpr OptionSpec ShowOption{"--show", "LIST", "layers to add, comma-separated: ", ShowLayersHelp};
inline constexpr OptionSpec StyleOption{
    "--style", "NAME", "plain (the default) or smooth: anti-aliased, soft star discs on a dark-blue sky"};
inline constexpr OptionSpec CharacterSizeOption{
    "--font-size", "N", "character size the labels and figures follow, 1..1000 (default 12)"};
inline constexpr OptionSpec LabelMagOption{"--label-mag", "M",
                                           "label stars whose magnitude class is below M (default 2)"};
inline constexpr OptionSpec SmallBodiesMagOption{
    "--small-bodies-mag", "M", "draw comets and minor planets up to magnitude M (default 10); shows them"};
inline constexpr OptionSpec NightOption{"--night", "", "night view: the whole picture in dark reds"};
inline constexpr OptionSpec DaylightOption{
    "--daylight", "", "daylight view: the sky tinted by the Sun's altitude, faint stars left out"};

// Reads the four options and --small-bodies-mag; a bad list item or value is a UsageError.
ViewOptions ParseViewOptions(const ParsedOptions& options);

// The written layers need the program's own faces (runes, Greek letters):
// registers them when `view` writes anything. False, with one line on
// stderr, when they cannot be read.
bool RegisterViewFonts(const ViewOptions& view);

// Whether any of the four was given.
bool ViewOptionsGiven(const ParsedOptions& options);

}  // namespace kolvar::cli
