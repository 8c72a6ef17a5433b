#include "canvas/program_fonts.h"

#include "canvas/font_registry.h"
#include "embedded_assets.h"

namespace kolvar {

namespace {

bool Register(const char* face, assets::Bytes bytes) {
    // Registering again would replace the face and drop its glyph cache.
    return IsRegisteredFace(face) || RegisterEmbeddedFace(face, bytes.data(), bytes.size(), true);
}

}  // namespace

bool RegisterProgramFonts() {
    const bool runicOk = Register("Runex23x", assets::RunicFont());
    const bool symbolOk = Register("Symbol", assets::SymbolFont());
    return runicOk && symbolOk;
}

}  // namespace kolvar
