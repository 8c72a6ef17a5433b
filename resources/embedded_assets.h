#pragma once

#include <cstddef>
#include <span>

// Files compiled into the executables; each accessor gives the file's bytes.
namespace kolvar::assets {

using Bytes = std::span<const unsigned char>;

Bytes RunicFont();   // Runex23x.ttf, face "Runex23x" (symbol face: bytes are glyph codes)
Bytes SymbolFont();  // Symbol.ttf, face "Symbol" (Latin letters show Greek ones)

Bytes MainIcon();    // KOLVARICON, 48 x 48 PNG, the application icon
Bytes SecondIcon();  // KOLVARICON2, 32 x 32 PNG, carried but unused
Bytes WindowIcon();  // 32 x 32 PNG for window title bars

// Pictures of the information window, 16-colour PNG.
Bytes TurulPicture();   // 182 x 170
Bytes CimerPicture();   // coat of arms, 138 x 158
Bytes ZaszloPicture();  // flag, 168 x 212

}  // namespace kolvar::assets
