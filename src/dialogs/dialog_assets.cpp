#include "dialogs/dialog_assets.h"

#include "embedded_assets.h"

namespace kolvar {
namespace {

QImage DecodePng(assets::Bytes bytes) {
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "PNG");
}

}  // namespace

QImage TurulPicture() { return DecodePng(assets::TurulPicture()); }
QImage CimerPicture() { return DecodePng(assets::CimerPicture()); }
QImage ZaszloPicture() { return DecodePng(assets::ZaszloPicture()); }

}  // namespace kolvar
