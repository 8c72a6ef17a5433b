// The time dialog window: caption, design size and position, form font.
#include "dialogs/time_dlg.h"

#include "dialogs/runic_text.h"

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

}  // namespace kolvar
