#pragma once

namespace kolvar {

// The character size the labels start from is kept inside 1..1000, 1000
// being the largest size the character-size menu grows to: a size read
// unchecked from the settings file must neither make the fit step two
// billion times nor reach the font code as a nonsense size.
inline constexpr int MinLabelFontSize = 1;
inline constexpr int MaxLabelFontSize = 1000;
int ClampLabelFontSize(long long characterSize);

}  // namespace kolvar
