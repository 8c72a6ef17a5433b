#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kolvar {

// The information window: three pictures, a runic line and a year, and one
// button that closes it. Shown modally from the Information1 menu item.
class TInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TInfoDlg(QWidget* parent = nullptr);

    void Button1Click();

    // The close box and Escape give the cancel result too.
    void reject() override;

    // Shows every caption in the current script (runes or Latin letters).
    void ShowScript();

    QPushButton* Button1 = nullptr;
    QLabel* TurulImage = nullptr;
    QLabel* CimerImage = nullptr;
    QLabel* ZaszloImage = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

}  // namespace kolvar
