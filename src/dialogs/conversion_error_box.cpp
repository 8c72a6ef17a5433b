#include "dialogs/conversion_error_box.h"

#include <QMessageBox>
#include <QPointer>

#include "widgets/runic_text.h"

namespace kolvar {

QString ConversionErrorText(const ConversionError& error) {
    // Windows-1250 bytes: „ and ” are 0x84 and 0x94.
    const QString quoted = PlainString("\x84") + QString::fromStdString(error.Text()) + PlainString("\x94");
    if (error.Why() == ConversionError::Reason::UnknownZone)
        return quoted +
               PlainString(" nem \xE9rv\xE9nyes id\xF5z\xF3na: legfeljebb 24 \xF3ra keletre vagy nyugatra.");
    if (error.Why() == ConversionError::Reason::UncoveredDay)
        return quoted + PlainString(
                            " nem \xE9rv\xE9nyes Juli\xE1n-nap: a p\xE1lyaelemek erre a napra nem adnak "
                            "p\xE1ly\xE1t.");
    return quoted + PlainString(" nem \xE9rv\xE9nyes sz\xE1m.");
}

ErrorReporter MessageBoxReporter(QWidget* parent) {
    QPointer<QWidget> owner(parent);
    return [owner](const QString& text) { QMessageBox::warning(owner, QStringLiteral("Kolvar"), text); };
}

}  // namespace kolvar
