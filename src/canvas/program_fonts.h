#pragma once

namespace kolvar {

// Registers the program's own faces with the canvas from the bytes compiled
// into the executable: "Runex23x" (the runic script) and "Symbol" (Greek
// letters on Latin keys). Both are symbol faces, so the bytes of a text are
// their glyph codes. Returns true when both faces could be read. Safe to call
// more than once; call it before the first text is drawn.
bool RegisterProgramFonts();

}  // namespace kolvar
