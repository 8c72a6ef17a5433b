#pragma once

// The runic captions of the tonight window ("Ma éjjel"): its menu item, the
// night's times, the filters and the table's columns, each written from its
// Hungarian source (Windows-1250, kept beside it) by the transliteration
// routine and stored reversed, as every caption is drawn as stored. The
// kinds of objects are plain Hungarian only: the table's cells are plain text.

#include <array>
#include <string_view>

#include "texts/view_captions.h"

namespace kolvar {

inline constexpr int TonightColumnCount = 11;

struct TonightTexts {
    ViewCaption MenuItem;  // the Megfigyelő menu's item
    ViewCaption Title;
    ViewCaption Sunset, Dark, Sunrise, Moonrise, Moonset, MoonLit, Moonless;
    ViewCaption PolarDay, PolarNight, NoDarkness;
    ViewCaption MinAltitude, MagnitudeLimit;
    ViewCaption Computing;
    // Name, kind, constellation, magnitude, size, rise, transit, set, best
    // time, altitude, Moon distance.
    std::array<ViewCaption, TonightColumnCount> Columns;
};

// Written once, on first use; the strings stay put for the whole run.
const TonightTexts& TonightCaptions();

// The Hungarian word for a planet, a star or an NGC/IC kind (NgcIcKind),
// Windows-1250.
std::string_view PlanetKindWord();
std::string_view StarKindWord();
std::string_view DoubleStarKindWord();  // "kettőscsillag"
std::string_view NgcIcKindWord(int kind);

}  // namespace kolvar
