#include "dialogs/place_exchange.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "catalog/cities.h"
#include "dialogs/place_dlg.h"
#include "appcore/number_text.h"

namespace kolvar {
namespace {

constexpr double RadiansToArcSeconds = 648000 * 0.3183098861837907;  // 648000 / pi
constexpr double DegreesToRadians = 0.017453292519943295;
constexpr double MinutesToDegrees = 0.016666666666666666;
constexpr double SecondsToDegrees = 0.0002777777777777778;
constexpr double FullTurn = 6.283185307179586;

void ShowAngle(const DegreesMinutesSeconds& angle, QLineEdit* degrees, QLineEdit* minutes, QLineEdit* seconds)
{
    degrees->setText(QString::number(angle.Degrees));
    minutes->setText(QString::number(angle.Minutes));
    seconds->setText(QString::fromStdString(FormatGeneral15(angle.Seconds)));
    seconds->setCursorPosition(0);  // a long fraction shows its leading digits
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

// Minutes and seconds both left empty: the degree field holds a decimal degree.
bool DecimalDegrees(const QLineEdit* minutes, const QLineEdit* seconds)
{
    return minutes->text().trimmed().isEmpty() && seconds->text().trimmed().isEmpty();
}

// The name of the place after OK: the town chosen in the dialog, or the one
// named before, while the place is still the town's; nothing otherwise.
std::string PlaceNameAfter(const CityRecord* chosen, const std::string& before, double latitude, double longitude)
{
    if (chosen != nullptr && CityIsAt(*chosen, latitude, longitude)) return chosen->Name;
    if (before.empty()) return {};
    for (const CityRecord& city : Cities())
        if (before == city.Name && CityIsAt(city, latitude, longitude)) return before;
    return {};
}

}  // namespace

DegreesMinutesSeconds SplitAngle(double radians)
{
    const double arcSeconds = std::fabs(radians) * RadiansToArcSeconds;
    const auto wholeSeconds = static_cast<long long>(arcSeconds);
    const long long wholeMinutes = wholeSeconds / 60;
    DegreesMinutesSeconds angle;
    angle.Seconds = arcSeconds - 60.0 * static_cast<double>(wholeMinutes);
    angle.Degrees = static_cast<int>(wholeMinutes / 60);
    angle.Minutes = static_cast<int>(wholeMinutes - 60 * (wholeMinutes / 60));
    return angle;
}

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
    ShowAngle(SplitAngle(observer.Latitude), dialog.LatitudeDeg, dialog.LatitudePerc, dialog.LatitudeSec);
    ShowAngle(SplitAngle(observer.Longitude), dialog.LongitudeDeg, dialog.LongitudePerc, dialog.LongitudeSec);

    dialog.ForgetCity();
    if (dialog.exec() != 1) return false;
    try {
        // Whole degrees, minutes and seconds, or one decimal degree.
        const bool latitudeDecimal = DecimalDegrees(dialog.LatitudePerc, dialog.LatitudeSec);
        const bool longitudeDecimal = DecimalDegrees(dialog.LongitudePerc, dialog.LongitudeSec);
        const double latitudeDegrees = latitudeDecimal ? StrictFloat(TextOf(dialog.LatitudeDeg))
                                                       : StrictInteger(TextOf(dialog.LatitudeDeg));
        const int latitudeMinutes = latitudeDecimal ? 0 : StrictInteger(TextOf(dialog.LatitudePerc));
        const double longitudeDegrees = longitudeDecimal ? StrictFloat(TextOf(dialog.LongitudeDeg))
                                                         : StrictInteger(TextOf(dialog.LongitudeDeg));
        const int longitudeMinutes = longitudeDecimal ? 0 : StrictInteger(TextOf(dialog.LongitudePerc));
        const double latitudeSeconds = latitudeDecimal ? 0.0 : StrictFloat(TextOf(dialog.LatitudeSec));
        const double longitudeSeconds = longitudeDecimal ? 0.0 : StrictFloat(TextOf(dialog.LongitudeSec));

        const double latitude = (latitudeDegrees + latitudeMinutes * MinutesToDegrees +
                                 latitudeSeconds * SecondsToDegrees) * DegreesToRadians;
        const double longitude = (longitudeDegrees + longitudeMinutes * MinutesToDegrees +
                                  longitudeSeconds * SecondsToDegrees) * DegreesToRadians;
        observer.Latitude = dialog.North->isChecked() ? latitude : -latitude;
        observer.Longitude = dialog.East->isChecked() ? longitude : FullTurn - longitude;

        const CityRecord* city = dialog.ChosenCity();
        observer.PlaceName = PlaceNameAfter(city, observer.PlaceName, observer.Latitude, observer.Longitude);
        if (city != nullptr && dialog.CityZone->isChecked()) {
            // The town's zone, and summer time as its rule has it at the instant.
            observer.Zone = city->ZoneHours;
            if (const auto summer = SummerTimeByRule(city->SummerTimeRule, observer.JulianDay))
                observer.SummerTime = *summer;
        }
        return true;
    } catch (const ConversionError& e) {
        report(ConversionErrorText(e));
        return false;
    }
}

}  // namespace kolvar
