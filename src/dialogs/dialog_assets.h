#pragma once

#include <QImage>

namespace kolvar {

// The pictures of the information window, decoded from the program's
// embedded assets (a null image if one is missing).
QImage TurulPicture();   // 182 x 170
QImage CimerPicture();   // 138 x 158
QImage ZaszloPicture();  // 168 x 212

}  // namespace kolvar
