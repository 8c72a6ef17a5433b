// Accessors for the embedded assets; the bytes themselves are generated
// sources added with kolvar_embed() in CMakeLists.txt.
#include "embedded_assets.h"

#define KOLVAR_EMBEDDED(symbol)          \
    extern const unsigned char symbol[]; \
    extern const std::size_t symbol##_size;

KOLVAR_EMBEDDED(kolvar_font_runex23x)
KOLVAR_EMBEDDED(kolvar_font_symbol)
KOLVAR_EMBEDDED(kolvar_icon_main)
KOLVAR_EMBEDDED(kolvar_icon_second)
KOLVAR_EMBEDDED(kolvar_icon_window)
KOLVAR_EMBEDDED(kolvar_picture_turul)
KOLVAR_EMBEDDED(kolvar_picture_cimer)
KOLVAR_EMBEDDED(kolvar_picture_zaszlo)

#undef KOLVAR_EMBEDDED

namespace kolvar::assets {

Bytes RunicFont() { return {kolvar_font_runex23x, kolvar_font_runex23x_size}; }
Bytes SymbolFont() { return {kolvar_font_symbol, kolvar_font_symbol_size}; }
Bytes MainIcon() { return {kolvar_icon_main, kolvar_icon_main_size}; }
Bytes SecondIcon() { return {kolvar_icon_second, kolvar_icon_second_size}; }
Bytes WindowIcon() { return {kolvar_icon_window, kolvar_icon_window_size}; }
Bytes TurulPicture() { return {kolvar_picture_turul, kolvar_picture_turul_size}; }
Bytes CimerPicture() { return {kolvar_picture_cimer, kolvar_picture_cimer_size}; }
Bytes ZaszloPicture() { return {kolvar_picture_zaszlo, kolvar_picture_zaszlo_size}; }

}  // namespace kolvar::assets
