#pragma once

namespace kolvar {

// Lets screen readers see the owner-drawn runic menu bar as what it is: a
// menu bar whose items are named by their plain Hungarian (in either
// script), report their place, whether they are enabled and selected, and
// can be pressed. Installed once; RunicMenuBar's constructor does it.
void InstallMenuBarAccessibility();

}  // namespace kolvar
