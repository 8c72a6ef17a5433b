#pragma once

#include <QIcon>
#include <span>

namespace kolvar {

// The runic TrueType font file carried inside the program (empty if the build
// did not embed it).
std::span<const unsigned char> RunicFontFileBytes();

// The application icon.
QIcon ProgramIcon();

}  // namespace kolvar
