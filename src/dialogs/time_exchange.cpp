#include "dialogs/time_exchange.h"

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>
#include <limits>

#include "dialogs/time_dlg.h"
#include "appcore/number_text.h"

namespace kolvar {
namespace {

// The zone as OK takes it: the strict conversion, and a value that the
// dialog's single-precision reading can show again next time.
double ZoneToTake(const QLineEdit& field)
{
    const std::string text = field.text().toStdString();
    const double zone = StrictFloat(text);
    if (std::fabs(zone) > std::numeric_limits<float>::max())
        throw ConversionError(text, ConversionError::Reason::NotANumber);
    return zone;
}

}  // namespace

bool RunTimeExchange(TTimeDlg& dialog, ObserverState& observer, const ErrorReporter& report)
{
    for (QLineEdit* field : {dialog.Year, dialog.Month, dialog.Day, dialog.Hour, dialog.Min, dialog.Sec})
        field->setText(QString());
    dialog.TimeZone->setText(QString::fromStdString(FormatGeneral15(observer.Zone)));
    dialog.SummerTime->setChecked(observer.SummerTime);
    dialog.JulianDay->setText(QString::fromStdString(FormatGeneral15(observer.JulianDay)));
    // A zone from the settings that does not read is reported here; the
    // dialog opens all the same, so that it can be corrected.
    dialog.DateFromJulianDay();

    if (dialog.exec() != 1) return false;
    try {
        const double zone = ZoneToTake(*dialog.TimeZone);
        observer.Zone = zone;
        observer.SummerTime = dialog.SummerTime->isChecked();
        observer.JulianDay = StrictJulianDay(dialog.JulianDay->text().toStdString());
        return true;
    } catch (const ConversionError& e) {
        report(ConversionErrorText(e));
        return false;
    }
}

}  // namespace kolvar
