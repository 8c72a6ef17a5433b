#include "dialogs/time_exchange.h"

#include <QCheckBox>
#include <QLineEdit>

#include "appcore/number_text.h"
#include "dialogs/time_dlg.h"

namespace kolvar {

bool RunTimeExchange(TTimeDlg& dialog, ObserverState& observer, const ErrorReporter& report) {
    for (QLineEdit* field : {dialog.Year, dialog.Month, dialog.Day, dialog.Hour, dialog.Min, dialog.Sec})
        field->setText(QString());
    dialog.TimeZone->setText(QString::fromStdString(FormatGeneral15(observer.Zone)));
    dialog.SummerTime->setChecked(observer.SummerTime);
    dialog.JulianDay->setText(QString::fromStdString(FormatGeneral15(observer.JulianDay)));
    // A zone from the settings that does not read is reported here; the
    // dialog opens all the same, so that it can be corrected.
    dialog.DateFromJulianDay();

    if (dialog.exec() != 1) return false;
    const FieldNumber<double> zone = StrictZone(dialog.TimeZone->text().toStdString());
    if (!zone) {
        report(ConversionErrorText(zone.Error()));
        return false;
    }
    // A zone that reads is kept even when the day then does not.
    observer.Zone = *zone;
    observer.SummerTime = dialog.SummerTime->isChecked();
    const FieldNumber<double> day = StrictJulianDay(dialog.JulianDay->text().toStdString());
    if (!day) {
        report(ConversionErrorText(day.Error()));
        return false;
    }
    observer.JulianDay = *day;
    return true;
}

}  // namespace kolvar
