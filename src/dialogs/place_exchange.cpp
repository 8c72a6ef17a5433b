#include "dialogs/place_exchange.h"

#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "dialogs/place_angles.h"
#include "dialogs/place_dlg.h"
#include "appcore/number_text.h"

namespace kolvar {
namespace {

constexpr double FullTurn = 6.283185307179586;

void ShowAngle(double radians, QLineEdit* degrees, QLineEdit* minutes, QLineEdit* seconds)
{
    const AngleFields angle = ShownAngle(radians, LocaleDecimalSeparator());
    degrees->setText(QString::number(angle.Degrees));
    minutes->setText(QString::number(angle.Minutes));
    seconds->setText(QString::fromStdString(angle.Seconds));
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

bool RunPlaceExchange(TPlaceDlg& dialog, ObserverState& observer, const ErrorReporter& report)
{
    const double x = std::cos(observer.Longitude) * std::cos(observer.Latitude);
    const double y = std::sin(observer.Longitude) * std::cos(observer.Latitude);
    const double z = std::sin(observer.Latitude);
    observer.Longitude = std::atan2(y, x);
    observer.Latitude = std::atan2(z, std::sqrt(x * x + y * y));
    const bool north = z >= 0;
    const bool east = y >= 0;

    dialog.South->setChecked(!north);
    dialog.North->setChecked(north);
    dialog.East->setChecked(east);
    dialog.West->setChecked(!east);
    ShowAngle(observer.Latitude, dialog.LatitudeDeg, dialog.LatitudePerc, dialog.LatitudeSec);
    ShowAngle(observer.Longitude, dialog.LongitudeDeg, dialog.LongitudePerc, dialog.LongitudeSec);

    if (dialog.exec() != 1) return false;
    try {
        const int latitudeDegrees = StrictInteger(TextOf(dialog.LatitudeDeg));
        const int latitudeMinutes = StrictInteger(TextOf(dialog.LatitudePerc));
        const int longitudeDegrees = StrictInteger(TextOf(dialog.LongitudeDeg));
        const int longitudeMinutes = StrictInteger(TextOf(dialog.LongitudePerc));
        const double latitudeSeconds = StrictFloat(TextOf(dialog.LatitudeSec));
        const double longitudeSeconds = StrictFloat(TextOf(dialog.LongitudeSec));

        const double latitude = AngleOfFields(latitudeDegrees, latitudeMinutes, latitudeSeconds);
        const double longitude = AngleOfFields(longitudeDegrees, longitudeMinutes, longitudeSeconds);
        observer.Latitude = dialog.North->isChecked() ? latitude : -latitude;
        observer.Longitude = dialog.East->isChecked() ? longitude : FullTurn - longitude;
        return true;
    } catch (const ConversionError& e) {
        report(ConversionErrorText(e));
        return false;
    }
}

}  // namespace kolvar
