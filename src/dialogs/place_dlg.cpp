#include "dialogs/place_dlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "catalog/runic_captions.h"
#include "dialogs/dialog_widgets.h"
#include "widgets/runic_text.h"

namespace kolvar {
namespace {

QRadioButton* Hemisphere(QGroupBox* box, const char* name, std::string_view runic, const QRect& geometry)
{
    auto* button = new QRadioButton(RunicString(runic), box);
    button->setObjectName(QString::fromLatin1(name));
    button->setLayoutDirection(Qt::RightToLeft);  // caption at the left of the button
    button->setGeometry(geometry);
    return button;
}

QGroupBox* HemisphereBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QLabel* Mark(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    QLabel* label = DesignLabel(parent, name, text, left, top);
    label->setFont(ArialFont(13));
    label->adjustSize();
    return label;
}

}  // namespace

TPlaceDlg::TPlaceDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PlaceDlg"));
    setWindowTitle(QStringLiteral("  "));
    setModal(true);
    setFont(RunicFont(11));
    setFixedSize(555, 363);
    move(205, 190);

    const PlaceDlgRunicCaptions& c = PlaceDlgCaptions;
    const QFont arial = ArialFont(13);
    const QString blank = QStringLiteral(" ");

    EscButton = DesignButton(this, "EscButton", c.EscButton, {385, 312, 97, 33});
    OkButton = DesignButton(this, "OkButton", c.OkButton, {62, 312, 98, 33});
    Label1 = DesignLabel(this, "Label1", RunicString(c.Label1), 322, 21);

    GroupBox1 = HemisphereBox(this, "GroupBox1", {385, 42, 157, 126});
    North = Hemisphere(GroupBox1, "North", c.North, {21, 31, 126, 22});
    South = Hemisphere(GroupBox1, "South", c.South, {21, 73, 126, 22});
    GroupBox2 = HemisphereBox(this, "GroupBox2", {385, 177, 157, 116});
    East = Hemisphere(GroupBox2, "East", c.East, {21, 21, 126, 22});
    West = Hemisphere(GroupBox2, "West", c.West, {21, 62, 126, 23});

    Label3 = DesignLabel(this, "Label3", RunicString(c.Label3), 291, 104);
    Label2 = DesignLabel(this, "Label2", RunicString(c.Label2), 281, 229);

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

    ChainTabOrder({EscButton, OkButton, North, South, East, West, LatitudeDeg, LongitudeDeg, LatitudePerc,
                   LongitudePerc, LatitudeSec, LongitudeSec});
    OkButton->setDefault(true);  // Enter accepts
    OkButton->setFocus();

    connect(OkButton, &QPushButton::clicked, this, &TPlaceDlg::OkButtonClick);
    connect(EscButton, &QPushButton::clicked, this, &TPlaceDlg::EscButtonClick);
}

void TPlaceDlg::OkButtonClick() { done(1); }

void TPlaceDlg::EscButtonClick() { done(2); }

void TPlaceDlg::reject() { done(2); }

}  // namespace kolvar
