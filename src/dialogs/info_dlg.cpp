#include "dialogs/info_dlg.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/dialog_assets.h"
#include "dialogs/dialog_widgets.h"
#include "texts/interface_captions.h"
#include "texts/runic_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

QLabel* PictureLabel(QWidget* parent, const char* name, int left, int top, const QImage& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(QPixmap::fromImage(picture));
    label->setGeometry(left, top, picture.width(), picture.height());  // sized to its picture
    return label;
}

}  // namespace

TInfoDlg::TInfoDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InfoDlg"));
    setWindowTitle(PlainString(WindowTitles.Info));
    setModal(true);
    setFont(RunicFont(11));
    setFixedSize(842, 449);
    move(72, 174);

    TurulImage = PictureLabel(this, "TurulImage", 12, 39, TurulPicture());
    CimerImage = PictureLabel(this, "CimerImage", 328, 121, CimerPicture());
    ZaszloImage = PictureLabel(this, "ZaszloImage", 571, 36, ZaszloPicture());

    Label1 = new QLabel(RunicString(InfoDlgCaptions.Label1.Runic), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(RunicFont(25));
    Label1->move(340, 25);
    Label1->adjustSize();

    Label2 = new QLabel(PlainString(InfoDlgCaptions.Label2), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(ArialFont(25));
    Label2->move(436, 61);
    Label2->adjustSize();

    Button1 = new QPushButton(RunicString(InfoDlgCaptions.Button1.Runic), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(RunicFont(12));
    Button1->setGeometry(400, 376, 115, 38);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TInfoDlg::Button1Click);
    Button1->setFocus();
    ShowScript();
}

void TInfoDlg::ShowScript() {
    ShowWindowScript(this, "TInfoDlg");
    ShowCaptions({{Label1, InfoDlgCaptions.Label1}, {Button1, InfoDlgCaptions.Button1}});
}

void TInfoDlg::Button1Click() {
    done(2);  // cancel, the window's only result
}

void TInfoDlg::reject() { done(2); }

}  // namespace kolvar
