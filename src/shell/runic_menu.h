#pragma once

namespace kolvar {

class RunicMenuBar;
class TStarsForm;

// Number of menu items with a runic caption (every item but N1).
inline constexpr int RunicMenuItemCount = 9;

// Gives the nine menu items their runic captions from the caption table, in
// table order: Observer1, Time1, Place1, Exit1, CharSize1, Grow1, Shrivell1,
// Information1, Help1. Bar items 0..7 are right-justified (so the bar shows
// N1 and Help1 at its left end and Information1, CharSize1, Observer1 at its
// right end), Help1 is not; every item is enabled; the bar is redrawn.
void SetUpRunicMenu(RunicMenuBar& bar, TStarsForm& form);

}  // namespace kolvar
