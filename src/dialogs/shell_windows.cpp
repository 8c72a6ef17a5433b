// Window frames of the dialogs whose contents arrive with their own features:
// class, caption, design size and position, form font.
#include "dialogs/place_dlg.h"
#include "dialogs/plain_sky.h"
#include "dialogs/runic_text.h"
#include "dialogs/time_dlg.h"

namespace kolvar {

TTimeDlg::TTimeDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TimeDlg"));
    setWindowTitle(QStringLiteral(" "));
    setModal(true);
    setFont(RunicFont(11));
    setFixedSize(648, 408);
    move(273, 211);
}

TPlaceDlg::TPlaceDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PlaceDlg"));
    setWindowTitle(QStringLiteral("  "));
    setModal(true);
    setFont(RunicFont(11));
    setFixedSize(555, 363);
    move(205, 190);
}

TPlainSky::TPlainSky(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PlainSky"));
    setWindowTitle(QStringLiteral(" "));
    setModal(true);
    resize(439 - 8, 300 - 27);  // outer size 439 x 300 less the frame
    move(223, 173);
}

}  // namespace kolvar
