// The place dialog window: caption, design size and position, form font.
#include "dialogs/place_dlg.h"

#include "dialogs/runic_text.h"

namespace kolvar {

TPlaceDlg::TPlaceDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PlaceDlg"));
    setWindowTitle(QStringLiteral("  "));
    setModal(true);
    setFont(RunicFont(11));
    setFixedSize(555, 363);
    move(205, 190);
}

}  // namespace kolvar
