#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <initializer_list>

class QAction;
class QMenu;

namespace kolvar {

class RunicMenuBar;

// Number of menu items with a runic caption (every item but N1).
inline constexpr int RunicMenuItemCount = 9;

// Gives the nine menu items their captions from the caption table, in table
// order: Observer1, Time1, Place1, Exit1, CharSize1, Grow1, Shrivell1,
// Information1, Help1, in the current script (runes, or their Hungarian in
// Latin letters): the bar's own items, and the drop-down items that `action`
// finds by name. Bar items 0..7 are right-justified (so the bar shows N1
// and Help1 at its left end and Information1, CharSize1, Observer1 at its
// right end), Help1 is not; every item is enabled; the script choice
// (LatinLetters1) is checked in Latin letters; `dropDowns` are set up in
// the captions' face (SetUpDropDown); the bar is redrawn.
void SetUpRunicMenu(RunicMenuBar& bar, std::initializer_list<QMenu*> dropDowns,
                    const std::function<QAction*(const QString& name)>& action);

// A drop-down in the captions' face, with a plain face for the keys after a
// tab and, under the runes, tooltips that tell each item's Hungarian.
void SetUpDropDown(QMenu* menu, const QFont& captionFont);

}  // namespace kolvar
