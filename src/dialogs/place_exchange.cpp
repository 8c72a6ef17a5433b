#include "dialogs/place_exchange.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "appcore/number_text.h"
#include "astro/angles.h"
#include "catalog/cities.h"
#include "dialogs/place_angles.h"
#include "dialogs/place_dlg.h"

namespace kolvar {
namespace {

void ShowAngle(double radians, QLineEdit* degrees, QLineEdit* minutes, QLineEdit* seconds) {
    const AngleFields angle = ShownAngle(radians, LocaleDecimalSeparator());
    degrees->setText(QString::number(angle.Degrees));
    minutes->setText(QString::number(angle.Minutes));
    seconds->setText(QString::fromStdString(angle.Seconds));
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

// Minutes and seconds both left empty: the degree field holds a decimal degree.
bool DecimalDegrees(const QLineEdit* minutes, const QLineEdit* seconds) {
    return minutes->text().trimmed().isEmpty() && seconds->text().trimmed().isEmpty();
}

// The name of the place after OK: the town chosen in the dialog, or the one
// named before, while the place is still the town's; nothing otherwise.
std::string PlaceNameAfter(const CityRecord* chosen, const std::string& before, double latitude,
                           double longitude) {
    if (chosen != nullptr && CityIsAt(*chosen, latitude, longitude)) return chosen->Name;
    if (before.empty()) return {};
    for (const CityRecord& city : Cities())
        if (before == city.Name && CityIsAt(city, latitude, longitude)) return before;
    return {};
}

}  // namespace

bool RunPlaceExchange(TPlaceDlg& dialog, ObserverState& observer, std::string& placeName,
                      const ErrorReporter& report) {
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

    dialog.ForgetCity();
    if (dialog.exec() != 1) return false;
    // Whole degrees, minutes and seconds, or one decimal degree; the first
    // field that does not read is reported.
    std::optional<ConversionError> error;
    const auto take = [&error](const auto& number) {
        if (!number && !error) error = number.Error();
        return number.ValueOr(0);
    };
    const bool latitudeDecimal = DecimalDegrees(dialog.LatitudePerc, dialog.LatitudeSec);
    const bool longitudeDecimal = DecimalDegrees(dialog.LongitudePerc, dialog.LongitudeSec);
    const double latitudeDegrees = latitudeDecimal ? take(StrictFloat(TextOf(dialog.LatitudeDeg)))
                                                   : take(StrictInteger(TextOf(dialog.LatitudeDeg)));
    const int latitudeMinutes = latitudeDecimal ? 0 : take(StrictInteger(TextOf(dialog.LatitudePerc)));
    const double longitudeDegrees = longitudeDecimal ? take(StrictFloat(TextOf(dialog.LongitudeDeg)))
                                                     : take(StrictInteger(TextOf(dialog.LongitudeDeg)));
    const int longitudeMinutes = longitudeDecimal ? 0 : take(StrictInteger(TextOf(dialog.LongitudePerc)));
    const double latitudeSeconds = latitudeDecimal ? 0.0 : take(StrictFloat(TextOf(dialog.LatitudeSec)));
    const double longitudeSeconds = longitudeDecimal ? 0.0 : take(StrictFloat(TextOf(dialog.LongitudeSec)));
    if (error) {
        report(ConversionErrorText(*error));
        return false;
    }

    const double latitude = AngleOfFields(latitudeDegrees, latitudeMinutes, latitudeSeconds);
    const double longitude = AngleOfFields(longitudeDegrees, longitudeMinutes, longitudeSeconds);
    observer.Latitude = dialog.North->isChecked() ? latitude : -latitude;
    observer.Longitude = dialog.East->isChecked() ? longitude : TwoPi - longitude;

    const CityRecord* city = dialog.ChosenCity();
    placeName = PlaceNameAfter(city, placeName, observer.Latitude, observer.Longitude);
    if (city != nullptr && dialog.CityZone->isChecked()) {
        // The town's zone, and summer time as its rule has it at the instant.
        observer.Zone = city->ZoneHours;
        if (const auto summer = SummerTimeByRule(city->SummerTimeRule, observer.JulianDay))
            observer.SummerTime = *summer;
    }
    return true;
}

}  // namespace kolvar
