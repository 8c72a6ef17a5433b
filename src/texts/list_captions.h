#pragma once

// The runic captions of the observing lists: the Megfigyelő menu's items,
// the list window's buttons and columns, the items that add an object to
// the list from the other windows, and the tonight window's filters and
// commands, each written from its Hungarian source (Windows-1250, kept
// beside it) by the transliteration routine. Menu items are stored as menu
// captions (reversed, a blank at each end), the rest reversed.

#include <array>

#include "texts/view_captions.h"

namespace kolvar {

inline constexpr int ListColumnCount = 4;

struct ListTexts {
    ViewCaption ListsItem;  // the Megfigyelő menu's item that opens the list window
    ViewCaption AddItem;    // "add to the list", in every menu that offers it
    ViewCaption NextItem;   // "next on the list"
    ViewCaption PrintPlanItem;
    ViewCaption DrawHorizonItem, UndoHorizonItem;  // the horizon drawn on the chart
    ViewCaption Title;
    ViewCaption ListLabel, NewList, Observed, Note, Remove, Import, Export, Next, Add, Slew, PrintPlan;
    // Name, observed, place, note.
    std::array<ViewCaption, ListColumnCount> Columns;
    // The tonight window's filters: the kinds, the least size.
    ViewCaption Planets, Stars, Messier, NgcIc, MinSize;
};

// Written once, on first use; the strings stay put for the whole run.
const ListTexts& ListCaptions();

}  // namespace kolvar
