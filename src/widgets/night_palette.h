#pragma once

#include <QPalette>

namespace kolvar {

// The night view of the windows: every colour of a palette mapped to a dark
// red of its lightness (the chart's own NightColour), so that menus, the
// runic menu bar and the dialogs are no brighter than the night chart.
QPalette NightPaletteOf(const QPalette& palette);

// Turns the night view of every window on or off: the application palette
// becomes the night one, or the one it had before the night began.
void SetNightWindows(bool on);
bool NightWindows();

}  // namespace kolvar
