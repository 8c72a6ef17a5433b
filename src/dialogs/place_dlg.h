#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kolvar {

// The place dialog, created once at start-up and reused: latitude and
// longitude as degrees, minutes and seconds, laid out right to left (degrees
// at the right), with a hemisphere choice for each. The dialog only gives
// its modal result; the place command's exchange (place_exchange.h) fills
// the fields and reads them back.
class TPlaceDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPlaceDlg(QWidget* parent = nullptr);

    void OkButtonClick();   // modal result 1
    void EscButtonClick();  // modal result 2
    void FormActivate() {}

    // Escape and the close box give the cancel result.
    void reject() override;

    QPushButton* EscButton = nullptr;
    QPushButton* OkButton = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* North = nullptr;
    QRadioButton* South = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* East = nullptr;
    QRadioButton* West = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* LatitudeDeg = nullptr;
    QLineEdit* LatitudePerc = nullptr;
    QLineEdit* LatitudeSec = nullptr;
    QLineEdit* LongitudeDeg = nullptr;
    QLineEdit* LongitudePerc = nullptr;
    QLineEdit* LongitudeSec = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
};

}  // namespace kolvar
