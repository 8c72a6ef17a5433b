#pragma once

#include <array>

#include "texts/view_captions.h"

namespace kolvar {

// The close-up's field menu (the menu key or Shift+F10): fields across the
// window in degrees (0: the close-up's own scale), then the faintest deep
// star drawn (0: the limit that follows the field).
inline constexpr std::array<double, 8> CloseUpMenuFields{0.0, 30.0, 10.0, 5.0, 2.0, 1.0, 0.5, 0.25};
inline constexpr std::array<float, 6> CloseUpMenuLimits{0.0f, 6.5f, 8.0f, 9.0f, 10.0f, 10.5f};

struct CloseUpMenuTexts {
    std::array<ViewCaption, CloseUpMenuFields.size()> Fields;
    std::array<ViewCaption, CloseUpMenuLimits.size()> Limits;
};

// Written in words, so that the runes read right to left as the rest.
const CloseUpMenuTexts& CloseUpMenuCaptions();

}  // namespace kolvar
