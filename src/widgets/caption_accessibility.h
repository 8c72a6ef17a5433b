#pragma once

namespace kolvar {

// The dynamic property that holds a menu item's plain Hungarian name (a
// QString). Qt's own interface names a menu item by its text, which under
// the runes is the runic bytes; an item with this property gets an
// interface of ours that speaks the plain name instead.
inline constexpr const char* CaptionAccessibleNameProperty = "kolvarPlainCaption";

}  // namespace kolvar
