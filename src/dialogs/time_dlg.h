#pragma once

#include <QDialog>
#include <functional>

#include "astro/time_scales.h"
#include "dialogs/conversion_error_box.h"

class QCheckBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvar {

// The time dialog, created once at start-up and reused. It holds no values of
// its own: the instant lives in the texts of its fields, shown both as a
// civil date and time in the zone and as a Julian day, and is parsed from
// there when needed. Editing the civil fields, the zone or the summer-time
// flag disables OK until DateUse (or the clock button, or an edit of the
// Julian day) has made the Julian day agree again: OK is enabled only while
// the Julian day agrees with the civil fields. The time command's exchange
// (time_exchange.h) fills it and takes the values back. The arithmetic on the
// texts is in time_fields.h.
class TTimeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTimeDlg(QWidget* parent = nullptr);

    // Handlers, named after what runs them.
    void OkButton1Click();   // modal result 1
    void EscButton1Click();  // modal result 2
    void NowButton1Click();  // the computer's clock into the civil fields, then DateUseClick
    void DateUseClick();     // civil fields -> Julian day; clears the Julian day when they do not read
    void DateChange();       // any civil, zone or summer-time edit: OK disabled
    // While the user types the Julian day: DateFromJulianDay, OK enabled when
    // it reads and disabled when not. A text the program sets is left to it.
    void JulianDayChange();
    // Coming back to the dialog changes nothing: OK stays as the last edit or
    // conversion left it.
    void FormActivate() {}
    // Julian day -> civil fields, weekday, sidereal time. A text that does not
    // read is reported and the rest is left undone; returns false then.
    bool DateFromJulianDay();
    bool StarTimeFromJulianDay();

    // Escape and the close box give the cancel result.
    void reject() override;
    // Enter while an edit of the civil fields waits converts them as DateUse
    // does; otherwise it presses the default button as in any dialog.
    void keyPressEvent(QKeyEvent* event) override;

    // Shows every caption in the current script (runes or Latin letters).
    void ShowScript();

    QPushButton* OkButton1 = nullptr;
    QPushButton* EscButton1 = nullptr;
    QPushButton* NowButton1 = nullptr;
    QPushButton* DateUse = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Year = nullptr;
    QLineEdit* Month = nullptr;
    QLineEdit* Day = nullptr;
    QLabel* YearLabel = nullptr;
    QLabel* MonthLabel = nullptr;
    QLabel* DayLabel = nullptr;
    QLineEdit* Hour = nullptr;
    QLineEdit* Min = nullptr;
    QLineEdit* Sec = nullptr;
    QLabel* HourLabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* SecLabel = nullptr;
    QLineEdit* TimeZone = nullptr;
    QLabel* Label7 = nullptr;
    QCheckBox* SummerTime = nullptr;
    QLabel* WeekDayText = nullptr;
    QFrame* Bevel1 = nullptr;
    QLineEdit* JulianDay = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* StarTimeText = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* WaitNote = nullptr;  // shown while a civil edit waits to be converted

    // Tells the user about a text that did not read; a warning box by default.
    ErrorReporter ReportError;
    // The computer's clock, as NowButton1 reads it.
    std::function<CalendarMoment()> Clock = ReadSystemClock;

private:
    // Each gives the error of a text that does not read, none when all read.
    std::optional<ConversionError> FillFromJulianDay();
    std::optional<ConversionError> ShowStarTime();
    void ShowWeekday(int weekday);
    bool Reporting(const std::optional<ConversionError>& error);  // reports an error; true without one
    void SetOkEnabled(bool enabled);
    void SetCivilEditWaiting(bool waiting);

    bool civilEditWaiting_ = false;

    QWidget* focusLeftOk_ = nullptr;  // where the focus went when OK was disabled under it
};

}  // namespace kolvar
