#pragma once

#include <cstdint>

#include "identify/label_font_size.h"

namespace kolvar {

// The largest character size that growing reaches; keeps the label fonts
// (and every size derived from them) far inside 32 bits.
inline constexpr std::int32_t MaxFontSize = MaxLabelFontSize;

// FontSize x sqrt(2), truncated; unchanged when that would pass MaxFontSize
// (in either sign).
std::int32_t GrowFontSize(std::int32_t fontSize);

// FontSize / sqrt(2), truncated, when FontSize is greater than 6; otherwise
// unchanged.
std::int32_t ShrinkFontSize(std::int32_t fontSize);

}  // namespace kolvar
