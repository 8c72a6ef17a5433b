#include "appcore/runic_font_file.h"

#include <string_view>
#include <system_error>

#include "appcore/ini_file.h"

namespace kolvar {

bool WriteRunicFontFile(const std::filesystem::path& programDirectory, std::span<const unsigned char> font)
{
    try {
        WriteFileAtomically(programDirectory / RunicFontFileName,
                            std::string_view(reinterpret_cast<const char*>(font.data()), font.size()));
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

}  // namespace kolvar
