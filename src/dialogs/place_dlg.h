#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kolvar {

class TCityDlg;
struct CityRecord;

// The place dialog, created once at start-up and reused: latitude and
// longitude as degrees, minutes and seconds, laid out right to left (degrees
// at the right), with a hemisphere choice for each. The dialog only gives
// its modal result; the place command's exchange (place_exchange.h) fills
// the fields and reads them back. Its city button opens the city picker; a
// chosen town fills the fields and hemispheres, and offers its time zone
// through a check box (the exchange takes it on OK).
class TPlaceDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPlaceDlg(QWidget* parent = nullptr);

    void OkButtonClick();   // modal result 1
    void EscButtonClick();  // modal result 2
    void FormActivate() {}

    // Escape and the close box give the cancel result.
    void reject() override;

    // Shows every caption in the current script (runes or Latin letters).
    void ShowScript();

    // Runs the city picker; a town chosen there fills the place (FillFromCity).
    void CityButtonClick();
    // The town's place into the fields and hemispheres, its zone offered.
    void FillFromCity(const CityRecord& city);
    // No town chosen: the offer of a zone hidden (the exchange's start).
    void ForgetCity();
    // The town last chosen since the dialog opened, null when none.
    const CityRecord* ChosenCity() const { return chosenCity_; }

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
    QPushButton* CityButton = nullptr;
    QCheckBox* CityZone = nullptr;   // take the town's zone and summer-time rule on OK
    QLabel* CityZoneText = nullptr;  // the town, its zone and its rule, in plain letters
    TCityDlg* CityDlg = nullptr;     // made at the first use

private:
    const CityRecord* chosenCity_ = nullptr;
};

}  // namespace kolvar
