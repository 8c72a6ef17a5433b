#include "dialogs/place_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <cstdlib>

#include "catalog/cities.h"
#include "dialogs/city_dlg.h"
#include "dialogs/dialog_widgets.h"
#include "texts/interface_captions.h"
#include "texts/runic_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

QRadioButton* Hemisphere(QGroupBox* box, const char* name, std::string_view runic, const QRect& geometry) {
    auto* button = new QRadioButton(RunicString(runic), box);
    button->setObjectName(QString::fromLatin1(name));
    button->setLayoutDirection(Qt::RightToLeft);  // caption at the left of the button
    button->setGeometry(geometry);
    return button;
}

QGroupBox* HemisphereBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QLabel* Mark(QWidget* parent, const char* name, const QString& text, int left, int top) {
    QLabel* label = DesignLabel(parent, name, text, left, top);
    label->setFont(ArialFont(13));
    label->adjustSize();
    return label;
}

}  // namespace

TPlaceDlg::TPlaceDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PlaceDlg"));
    setWindowTitle(PlainString(WindowTitles.Place));
    setModal(true);
    setFont(RunicFont(11));
    setFixedSize(555, 363);
    move(205, 190);

    const PlaceDlgRunicCaptions& c = PlaceDlgCaptions;
    const QFont arial = ArialFont(13);
    const QString blank = QStringLiteral(" ");

    EscButton = DesignButton(this, "EscButton", c.EscButton.Runic, {385, 312, 97, 33});
    OkButton = DesignButton(this, "OkButton", c.OkButton.Runic, {62, 312, 98, 33});
    Label1 = DesignLabel(this, "Label1", RunicString(c.Label1.Runic), 322, 21);

    GroupBox1 = HemisphereBox(this, "GroupBox1", {385, 42, 157, 126});
    North = Hemisphere(GroupBox1, "North", c.North.Runic, {21, 31, 126, 22});
    South = Hemisphere(GroupBox1, "South", c.South.Runic, {21, 73, 126, 22});
    GroupBox2 = HemisphereBox(this, "GroupBox2", {385, 177, 157, 116});
    East = Hemisphere(GroupBox2, "East", c.East.Runic, {21, 21, 126, 22});
    West = Hemisphere(GroupBox2, "West", c.West.Runic, {21, 62, 126, 23});

    Label3 = DesignLabel(this, "Label3", RunicString(c.Label3.Runic), 291, 104);
    Label2 = DesignLabel(this, "Label2", RunicString(c.Label2.Runic), 281, 229);

    // Right to left: degrees at the right, seconds at the left.
    LatitudeDeg = DesignEdit(this, "LatitudeDeg", {198, 94, 53, 22}, arial, blank);
    LatitudePerc = DesignEdit(this, "LatitudePerc", {125, 94, 53, 22}, arial, blank);
    LatitudeSec = DesignEdit(this, "LatitudeSec", {10, 94, 85, 22}, arial, QString());
    LongitudeDeg = DesignEdit(this, "LongitudeDeg", {198, 218, 53, 22}, arial, blank);
    LongitudePerc = DesignEdit(this, "LongitudePerc", {125, 218, 53, 22}, arial, blank);
    LongitudeSec = DesignEdit(this, "LongitudeSec", {10, 218, 95, 22}, arial, blank);

    Label4 = Mark(this, "Label4", QStringLiteral("o"), 187, 83);
    Label5 = Mark(this, "Label5", QStringLiteral("o"), 187, 208);
    Label6 = Mark(this, "Label6", QStringLiteral("'"), 114, 83);
    Label7 = Mark(this, "Label7", QStringLiteral("'"), 114, 208);
    Label8 = Mark(this, "Label8", QStringLiteral("\""), 0, 83);
    Label9 = Mark(this, "Label9", QStringLiteral("\""), 0, 208);

    // Added below the fields, between the two buttons: the town.
    const InterfaceTexts& t = InterfaceCaptions;
    CityButton = DesignButton(this, "CityButton", t.CityButton.Runic, {197, 312, 150, 33});
    CityZone = new QCheckBox(RunicString(t.CityZone.Runic), this);
    CityZone->setObjectName(QStringLiteral("CityZone"));
    CityZone->setGeometry(10, 252, 365, 24);
    CityZoneText = DesignLabel(this, "CityZoneText", QString(), {30, 278, 345, 22});
    CityZoneText->setFont(arial);

    ChainTabOrder({EscButton, OkButton, North, South, East, West, LatitudeDeg, LongitudeDeg, LatitudePerc,
                   LongitudePerc, LatitudeSec, LongitudeSec, CityButton, CityZone});
    OkButton->setDefault(true);  // Enter accepts
    OkButton->setFocus();

    connect(OkButton, &QPushButton::clicked, this, &TPlaceDlg::OkButtonClick);
    connect(EscButton, &QPushButton::clicked, this, &TPlaceDlg::EscButtonClick);
    connect(CityButton, &QPushButton::clicked, this, &TPlaceDlg::CityButtonClick);
    ShowScript();
    ForgetCity();
}

void TPlaceDlg::ShowScript() {
    ShowWindowScript(this, "TPlaceDlg");
    const PlaceDlgRunicCaptions& c = PlaceDlgCaptions;
    ShowCaptions({{EscButton, c.EscButton},
                  {OkButton, c.OkButton},
                  {Label1, c.Label1},
                  {North, c.North},
                  {South, c.South},
                  {East, c.East},
                  {West, c.West},
                  {Label3, c.Label3},
                  {Label2, c.Label2},
                  {CityButton, InterfaceCaptions.CityButton},
                  {CityZone, InterfaceCaptions.CityZone}});
    if (CityDlg != nullptr) CityDlg->ShowScript();
}

void TPlaceDlg::CityButtonClick() {
    if (CityDlg == nullptr) CityDlg = new TCityDlg(this);
    if (CityDlg->exec() == 1 && CityDlg->ChosenCity() >= 0) FillFromCity(CityAt(CityDlg->ChosenCity()));
}

void TPlaceDlg::FillFromCity(const CityRecord& city) {
    // The table's whole arc seconds, shown as they are.
    auto show = [](std::int32_t arcsec, QLineEdit* degrees, QLineEdit* minutes, QLineEdit* seconds) {
        const std::int32_t a = std::abs(arcsec);
        degrees->setText(QString::number(a / 3600));
        minutes->setText(QString::number(a / 60 % 60));
        seconds->setText(QString::number(a % 60));
    };
    North->setChecked(city.LatitudeArcsec >= 0);
    South->setChecked(city.LatitudeArcsec < 0);
    East->setChecked(city.LongitudeArcsec >= 0);
    West->setChecked(city.LongitudeArcsec < 0);
    show(city.LatitudeArcsec, LatitudeDeg, LatitudePerc, LatitudeSec);
    show(city.LongitudeArcsec, LongitudeDeg, LongitudePerc, LongitudeSec);

    chosenCity_ = &city;
    const double zone = city.ZoneHours;
    const int minutes = static_cast<int>(std::lround(std::fabs(zone) * 60));
    QString text = PlainString(city.Name) + QStringLiteral(": UTC") +
                   (zone < 0 ? QLatin1Char('-') : QLatin1Char('+')) + QString::number(minutes / 60);
    if (minutes % 60 != 0) text += QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
    if (std::string_view(city.SummerTimeRule) != "--")
        text += QStringLiteral(", ") + PlainString(city.SummerTimeRule);
    CityZoneText->setText(text);
    CityZone->setChecked(true);
    CityZone->show();
    CityZoneText->show();
    OkButton->setFocus();  // Enter now accepts the town
}

void TPlaceDlg::ForgetCity() {
    chosenCity_ = nullptr;
    CityZone->setChecked(false);
    CityZone->hide();
    CityZoneText->hide();
}

void TPlaceDlg::OkButtonClick() { done(1); }

void TPlaceDlg::EscButtonClick() { done(2); }

void TPlaceDlg::reject() { done(2); }

}  // namespace kolvar
