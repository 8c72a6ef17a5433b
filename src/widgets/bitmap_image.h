#pragma once

#include <QImage>

#include "canvas/bitmap.h"

namespace kolvar {

// A QImage over a canvas bitmap's pixels (Format_RGB888, no copy), for
// painting it in a widget; a null image for an empty bitmap. The bitmap must
// outlive the image and keep its size while the image is in use.
inline QImage WrapBitmap(const Bitmap& bitmap) {
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return {};
    return QImage(bitmap.Data(), bitmap.Width(), bitmap.Height(), bitmap.Stride(), QImage::Format_RGB888);
}

}  // namespace kolvar
