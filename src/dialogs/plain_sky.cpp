// The close-up window: blank caption, outer size 439 x 300 at (223, 173).
#include "dialogs/plain_sky.h"

namespace kolvar {

TPlainSky::TPlainSky(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PlainSky"));
    setWindowTitle(QStringLiteral(" "));
    setModal(true);
    resize(439 - 8, 300 - 27);  // outer size 439 x 300 less the frame
    move(223, 173);
}

}  // namespace kolvar
