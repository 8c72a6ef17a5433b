#include "appcore/runic_font_file.h"

#include <string_view>

#include "appcore/file_writer.h"

namespace kolvar {

bool WriteRunicFontFile(const std::filesystem::path& programDirectory, std::span<const unsigned char> font) {
    const std::string_view bytes(reinterpret_cast<const char*>(font.data()), font.size());
    return !WriteFile((programDirectory / RunicFontFileName).string(), bytes, ProgramFontPolicy);
}

}  // namespace kolvar
