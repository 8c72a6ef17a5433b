#include "dialogs/time_dlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "appcore/number_text.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/time_fields.h"
#include "texts/interface_captions.h"
#include "texts/runic_captions.h"
#include "texts/time_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {
namespace {

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

QString IntegerText(int value) { return QString::number(value); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

const QRect WeekDayTextDesign(83, 200, 48, 14);
const QRect StarTimeTextDesign(80, 304, 80, 18);
// Between the Julian day and the buttons, reading from the right edge.
const QRect WaitNoteDesign(16, 336, 616, 18);

}  // namespace

TTimeDlg::TTimeDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TimeDlg"));
    setWindowTitle(PlainString(WindowTitles.Time));
    setModal(true);
    setFont(RunicFont(11));
    setFixedSize(648, 408);
    move(273, 211);
    ReportError = MessageBoxReporter(this);

    const TimeDlgRunicCaptions& c = TimeDlgCaptions;
    const QFont arial = ArialFont(16);
    const QString blank = QStringLiteral(" ");

    // The frame goes first, so it lies under the fields it surrounds.
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(16, 72, 705, 217);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    OkButton1 = DesignButton(this, "OkButton1", c.OkButton1.Runic, {81, 360, 114, 37});
    EscButton1 = DesignButton(this, "EscButton1", c.EscButton1.Runic, {497, 360, 114, 37});
    Label1 = DesignLabel(this, "Label1", RunicString(c.Label1.Runic), {376, 12, 189, 20});
    Label1->setFont(RunicFont(16));
    FitLabel(Label1, {376, 12, 189, 20});
    Label2 = DesignLabel(this, "Label2", RunicString(c.Label2.Runic), {49, 49, 99, 14});

    Year = DesignEdit(this, "Year", {436, 97, 185, 26}, arial, blank);
    Month = DesignEdit(this, "Month", {279, 97, 86, 26}, arial, blank);
    Day = DesignEdit(this, "Day", {110, 96, 99, 26}, arial, blank);
    YearLabel = DesignLabel(this, "YearLabel", RunicString(c.YearLabel.Runic), 400, 110);
    MonthLabel = DesignLabel(this, "MonthLabel", RunicString(c.MonthLabel.Runic), 243, 110);
    DayLabel = DesignLabel(this, "DayLabel", RunicString(c.DayLabel.Runic), 61, 110);

    Hour = DesignEdit(this, "Hour", {436, 150, 185, 26}, arial, QString());
    Min = DesignEdit(this, "Min", {279, 150, 86, 26}, arial, QString());
    Sec = DesignEdit(this, "Sec", {110, 150, 98, 26}, arial, blank);
    HourLabel = DesignLabel(this, "HourLabel", RunicString(c.HourLabel.Runic), 389, 162);
    Label3 = DesignLabel(this, "Label3", RunicString(c.Label3.Runic), 218, 162);
    SecLabel = DesignLabel(this, "SecLabel", RunicString(c.SecLabel.Runic), 72, 162);

    NowButton1 = DesignButton(this, "NowButton1", c.NowButton1.Runic, {275, 360, 113, 37});
    TimeZone = DesignEdit(this, "TimeZone", {516, 198, 101, 26}, arial, blank);
    Label7 = DesignLabel(this, "Label7", RunicString(c.Label7.Runic), 424, 208);

    SummerTime = new QCheckBox(RunicString(c.SummerTime.Runic), this);
    SummerTime->setObjectName(QStringLiteral("SummerTime"));
    SummerTime->setLayoutDirection(Qt::RightToLeft);  // caption at the left of the box
    SummerTime->setGeometry(232, 203, 148, 26);

    WeekDayText = DesignLabel(this, "WeekDayText", QString(16, QLatin1Char(' ')), WeekDayTextDesign, true);
    DateUse = DesignButton(this, "DateUse", c.DateUse.Runic, {64, 240, 75, 25});

    JulianDay = DesignEdit(this, "JulianDay", {360, 304, 201, 26}, arial, QString());
    Label5 = DesignLabel(this, "Label5", RunicString(c.Label5.Runic), 568, 312);
    StarTimeText = new QLabel(QStringLiteral("00 00'00.0\""), this);
    StarTimeText->setObjectName(QStringLiteral("StarTimeText"));
    StarTimeText->setFont(arial);
    FitLabel(StarTimeText, StarTimeTextDesign);
    Label6 = DesignLabel(this, "Label6", RunicString(c.Label6.Runic), 192, 304);

    WaitNote = DesignLabel(this, "WaitNote", RunicString(TimeDlgWaitNote.Runic), WaitNoteDesign, true);
    WaitNote->hide();

    ChainTabOrder({OkButton1, EscButton1, Year, Month, Day, Hour, Min, Sec, NowButton1, TimeZone, SummerTime,
                   JulianDay, DateUse});
    OkButton1->setDefault(true);  // Enter presses OK while it is enabled
    OkButton1->setFocus();

    connect(OkButton1, &QPushButton::clicked, this, &TTimeDlg::OkButton1Click);
    connect(EscButton1, &QPushButton::clicked, this, &TTimeDlg::EscButton1Click);
    connect(NowButton1, &QPushButton::clicked, this, &TTimeDlg::NowButton1Click);
    connect(DateUse, &QPushButton::clicked, this, &TTimeDlg::DateUseClick);
    // Programmatic changes count as edits too: the time command relies on it.
    for (QLineEdit* edit : {Year, Month, Day, Hour, Min, Sec, TimeZone})
        connect(edit, &QLineEdit::textChanged, this, &TTimeDlg::DateChange);
    connect(SummerTime, &QCheckBox::toggled, this, &TTimeDlg::DateChange);
    connect(JulianDay, &QLineEdit::textChanged, this, &TTimeDlg::JulianDayChange);
    ShowScript();
}

void TTimeDlg::ShowScript() {
    ShowWindowScript(this, "TTimeDlg");
    const TimeDlgRunicCaptions& c = TimeDlgCaptions;
    ShowCaptions({{OkButton1, c.OkButton1},
                  {EscButton1, c.EscButton1},
                  {Label1, c.Label1},
                  {Label2, c.Label2},
                  {YearLabel, c.YearLabel},
                  {MonthLabel, c.MonthLabel},
                  {DayLabel, c.DayLabel},
                  {HourLabel, c.HourLabel},
                  {Label3, c.Label3},
                  {SecLabel, c.SecLabel},
                  {NowButton1, c.NowButton1},
                  {Label7, c.Label7},
                  {SummerTime, c.SummerTime},
                  {DateUse, c.DateUse},
                  {Label5, c.Label5},
                  {Label6, c.Label6},
                  {WaitNote, TimeDlgWaitNote}});
}

void TTimeDlg::OkButton1Click() { done(1); }

void TTimeDlg::EscButton1Click() { done(2); }

void TTimeDlg::reject() { done(2); }

void TTimeDlg::DateChange() {
    SetOkEnabled(false);
    SetCivilEditWaiting(true);
}

void TTimeDlg::SetCivilEditWaiting(bool waiting) {
    civilEditWaiting_ = waiting;
    WaitNote->setVisible(waiting);
}

void TTimeDlg::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && civilEditWaiting_ && event->modifiers() == Qt::NoModifier) {
        DateUseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TTimeDlg::SetOkEnabled(bool enabled) {
    // Disabling the focused OK hands the focus on to the next control; when
    // OK comes back before anything else moved the focus, it takes it back,
    // so that the dialog still opens with OK focused.
    if (!enabled && focusWidget() == OkButton1) {
        OkButton1->setEnabled(false);
        focusLeftOk_ = focusWidget();
        return;
    }
    OkButton1->setEnabled(enabled);
    if (enabled) SetCivilEditWaiting(false);
    if (enabled && focusLeftOk_ != nullptr) {
        if (focusWidget() == focusLeftOk_) OkButton1->setFocus();
        focusLeftOk_ = nullptr;
    }
}

void TTimeDlg::JulianDayChange() {
    // A Julian day that does not read agrees with no civil time; Enter then
    // must not overwrite what the user types with the civil fields.
    if (JulianDay->hasFocus() && !DateFromJulianDay()) {
        SetOkEnabled(false);
        SetCivilEditWaiting(false);
    }
}

bool TTimeDlg::Reporting(const std::optional<ConversionError>& error) {
    if (!error) return true;
    ReportError(ConversionErrorText(*error));
    return false;
}

bool TTimeDlg::DateFromJulianDay() { return Reporting(FillFromJulianDay()); }

bool TTimeDlg::StarTimeFromJulianDay() { return Reporting(ShowStarTime()); }

void TTimeDlg::ShowWeekday(int weekday) {
    const RunicText& name = WeekdayRunicNames[static_cast<std::size_t>(weekday)];
    WeekDayText->setText(ScriptString(name));
    WeekDayText->setAccessibleDescription(PlainString(name.Hungarian));  // read out in either script
    FitLabel(WeekDayText, WeekDayTextDesign, true);                      // a longer name grows to the left
}

std::optional<ConversionError> TTimeDlg::FillFromJulianDay() {
    const FieldNumber<CivilFieldsOfDay> fields = CivilFieldsOfJulianDay(
        TextOf(JulianDay), TextOf(TimeZone), SummerTime->isChecked(), LocaleDecimalSeparator());
    if (!fields) return fields.Error();
    const CivilFieldsOfDay& shown = *fields;
    ShowWeekday(shown.Weekday);
    Year->setText(Text(shown.Fields.Year));
    Month->setText(Text(shown.Fields.Month));
    Day->setText(Text(shown.Fields.Day));
    Hour->setText(Text(shown.Fields.Hour));
    Min->setText(Text(shown.Fields.Minute));
    Sec->setText(Text(shown.Fields.Second));
    TimeZone->setText(Text(shown.Fields.Zone));
    SummerTime->setChecked(shown.Fields.SummerTime);
    if (auto error = ShowStarTime()) return error;
    SetOkEnabled(true);
    return std::nullopt;
}

std::optional<ConversionError> TTimeDlg::ShowStarTime() {
    const FieldNumber<double> day = StrictJulianDay(TextOf(JulianDay));
    if (!day) return day.Error();
    StarTimeText->setText(Text(SiderealTimeText(GreenwichSiderealAngle(*day))));
    FitLabel(StarTimeText, StarTimeTextDesign);
    return std::nullopt;
}

void TTimeDlg::DateUseClick() {
    const FieldNumber<DayOfCivilFields> day =
        JulianDayOfCivilFields({TextOf(Year), TextOf(Month), TextOf(Day), TextOf(Hour), TextOf(Min),
                                TextOf(Sec), TextOf(TimeZone), SummerTime->isChecked()});
    if (day) {
        ShowWeekday(day->Weekday);
        JulianDay->setText(Text(FormatGeneral15(day->JulianDay)));
        SetOkEnabled(true);
        if (!ShowStarTime()) return;
    }
    // Civil fields that do not read leave no Julian day to accept; no message.
    JulianDay->setText(QString());
    SetOkEnabled(false);
    StarTimeText->setText(QString());
}

void TTimeDlg::NowButton1Click() {
    const CalendarMoment now = Clock();
    Year->setText(IntegerText(now.Year));
    Month->setText(IntegerText(now.Month));
    Day->setText(IntegerText(now.Day));
    Hour->setText(IntegerText(now.Hour));
    Min->setText(IntegerText(now.Minute));
    Sec->setText(Text(SecondsText(now.Second, LocaleDecimalSeparator())));
    DateUseClick();  // with the zone and summer-time flag of the dialog
}

}  // namespace kolvar
