#include "appcore/font_size.h"

#include <cmath>
#include <numbers>

namespace kolvar {

std::int32_t GrowFontSize(std::int32_t fontSize) {
    double grown = std::trunc(static_cast<double>(fontSize) * std::numbers::sqrt2);
    if (std::fabs(grown) > MaxFontSize) return fontSize;
    return static_cast<std::int32_t>(grown);
}

std::int32_t ShrinkFontSize(std::int32_t fontSize) {
    if (fontSize <= 6) return fontSize;
    return static_cast<std::int32_t>(std::trunc(static_cast<double>(fontSize) / std::numbers::sqrt2));
}

}  // namespace kolvar
