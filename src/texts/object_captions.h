#pragma once

// The runic captions of the object window: the items that open it (the
// close-up's field menu, the labels' context menu), its title and the
// captions of its rows, and the words of its values. Each caption is written
// from its Hungarian source (Windows-1250, kept beside it) by the
// transliteration routine and stored reversed, as captions are drawn as
// stored; the menu item carries a blank at each end like every menu caption.

#include "texts/view_captions.h"

namespace kolvar {

struct ObjectTexts {
    ViewCaption MenuItem;  // opens the window for the named object
    ViewCaption Title;
    ViewCaption Names, Kind, Constellation, Magnitude, Size;
    ViewCaption PlaceJ2000, PlaceOfDate;
    ViewCaption Azimuth, Altitude, Airmass;
    ViewCaption Rise, Transit, Set;
    ViewCaption Distance, MoonPhase;
    // Values in plain Hungarian (Windows-1250).
    std::string_view NeverRises, Circumpolar, NotInRange, BelowHorizon, Lit;
    // Find's list: the next event of each hit.
    std::string_view Rises, Sets, NeverSets;
};

// Written once, on first use; the strings stay put for the whole run.
const ObjectTexts& ObjectCaptions();

}  // namespace kolvar
