#pragma once

// The runic captions of the Nézet (view) menu: each written from its
// Hungarian source (Windows-1250, kept beside it and capitalised as
// the Latin-letter interface shows it) by the transliteration routine and stored reversed with a
// blank at each end, like every menu caption, because captions are drawn as
// stored.

#include <array>
#include <string>
#include <string_view>

#include "texts/runic_captions.h"

namespace kolvar {

struct ViewCaption {
    std::string Runic;
    std::string_view Hungarian;
    RunicText Text() const { return {Runic, Hungarian}; }
};

struct ViewMenuTexts {
    ViewCaption Title;
    ViewCaption Figures, Names, RunicNames, Labels, Directions, LabelMagnitude, Night, Daylight;
    ViewCaption AltAzGrid, EquatorialGrid, Equator, Ecliptic, SmoothStyle;
};

// Written once, on first use; the strings stay put for the whole run.
const ViewMenuTexts& ViewMenuCaptions();

// A menu caption written from Hungarian (Windows-1250) text: " " + the runes
// reversed + " ".
std::string RunicMenuCaption(std::string_view hungarian);

}  // namespace kolvar
