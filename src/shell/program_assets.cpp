#include "shell/program_assets.h"

#include <QImage>
#include <QPixmap>

#include "embedded_assets.h"

namespace kolvar {
namespace {

QPixmap DecodePng(assets::Bytes bytes) {
    QPixmap pixmap;
    pixmap.loadFromData(bytes.data(), static_cast<uint>(bytes.size()), "PNG");
    return pixmap;
}

}  // namespace

std::span<const unsigned char> RunicFontFileBytes() { return assets::RunicFont(); }

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(DecodePng(assets::MainIcon()));
    icon.addPixmap(DecodePng(assets::WindowIcon()));
    return icon;
}

}  // namespace kolvar
