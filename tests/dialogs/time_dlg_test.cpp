// The time dialog and the time command, driven through the dialog's controls.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>

#include "catalog/runic_captions.h"
#include "chart/chart_frame.h"
#include "chart/observer_state.h"
#include "chart/sky_object_table.h"
#include "dialog_test_support.h"
#include "dialogs/runic_text.h"
#include "dialogs/time_dlg.h"
#include "shell/chart_view.h"
#include "shell/program_start.h"

using namespace kolvar;
using namespace kolvar::testing;

namespace {

// The place that render takes in degrees, converted as it converts them.
constexpr double Radians(double degrees) { return degrees * (3.141592653589793 / 180.0); }

QString Weekday(int number) { return RunicString(WeekdayRunicNames[static_cast<std::size_t>(number)]); }

QStringList CivilFields(const TTimeDlg& d)
{
    return {d.Year->text(), d.Month->text(), d.Day->text(), d.Hour->text(), d.Min->text(), d.Sec->text()};
}

// The objects table as `kolvar-chart render --objects` writes it.
QByteArray ObjectsTable(const ChartFrame& frame, const SkyObjectTable& objects)
{
    QByteArray out("slot\tkind\tindex\tvisible\tazimuth\taltitude\tdistance\tx\ty\n");
    char line[256];
    for (int slot = 0; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = objects[static_cast<std::size_t>(slot)];
        const ChartPoint p = ProjectToChart(frame, e.Azimuth, e.Altitude);
        std::snprintf(line, sizeof line, "%d\t%d\t%d\t%d\t%.17g\t%.17g\t%.17g\t%.9g\t%.9g\n", slot, e.Kind, e.Index,
                      e.Visible, e.Azimuth, e.Altitude, e.Distance, static_cast<double>(p.X),
                      static_cast<double>(p.Y));
        out += line;
    }
    return out;
}

}  // namespace

class TimeDlgTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QStringList errors_;

    TStarsForm::Options Options()
    {
        TStarsForm::Options o;
        o.SettingsFile = std::filesystem::path(dir_.path().toStdString()) / "Kolvar.ini";
        o.ReportError = [this](const QString& text) { errors_.append(text); };
        return o;
    }
    std::unique_ptr<TTimeDlg> Dialog()
    {
        auto d = std::make_unique<TTimeDlg>();
        d->ReportError = [this](const QString& text) { errors_.append(text); };
        return d;
    }
    static void Show(TTimeDlg& d)
    {
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
    }
    // The Julian day that DateUse makes of these civil fields.
    QString DateUseOf(TTimeDlg& d, const QStringList& civil, const QString& zone)
    {
        QLineEdit* fields[] = {d.Year, d.Month, d.Day, d.Hour, d.Min, d.Sec};
        for (int i = 0; i < 6; ++i) fields[i]->setText(civil[i]);
        d.TimeZone->setText(zone);
        d.DateUseClick();
        return d.JulianDay->text();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        PrepareDialogTests(dir_.path().toStdString());
    }

    void init()
    {
        errors_.clear();
        Observer = StartingObserverState();
    }

    void julianDayIsShownInTheZone_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("julianDay");
        QTest::addColumn<QString>("zoneShown");
        QTest::addColumn<QStringList>("civil");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<QString>("starTime");
        QTest::newRow("zone read in single precision")
            << "1.1" << "2451545" << "1.10000002384186" << QStringList{"2000", "1", "1", "13", "6", "0"} << 6
            << "18 41' 49.5\"";
        QTest::newRow("no zone is 1 h") << "" << "2451545" << "1" << QStringList{"2000", "1", "1", "13", "0", "0"}
                                        << 6 << "18 41' 49.5\"";
        QTest::newRow("trailing text after the zone ignored")
            << "-5 h" << "2451544.5" << "-5" << QStringList{"1999", "12", "31", "19", "0", "0"} << 5
            << "06 39' 51.3\"";
        QTest::newRow("seconds truncated to tenths")
            << "0" << "2451544.5006941" << "0" << QStringList{"2000", "1", "1", "0", "0", "59.9"} << 6
            << "06 40' 51.4\"";
        QTest::newRow("sidereal seconds not zero-padded")
            << "0" << "2451527.48214795" << "0" << QStringList{"1999", "12", "14", "23", "34", "17.5"} << 2
            << "05 07' 3.2\"";
        QTest::newRow("sidereal seconds stop at 59.9")
            << "0" << "2451529.47734189" << "0" << QStringList{"1999", "12", "16", "23", "27", "22.3"} << 4
            << "05 07' 59.9\"";
    }

    void julianDayIsShownInTheZone()
    {
        QFETCH(QString, zone);
        QFETCH(QString, julianDay);
        auto d = Dialog();
        d->TimeZone->setText(zone);
        d->JulianDay->setText(julianDay);
        QVERIFY(d->DateFromJulianDay());
        QTEST(d->TimeZone->text(), "zoneShown");
        QTEST(CivilFields(*d), "civil");
        QFETCH(int, weekday);
        QCOMPARE(d->WeekDayText->text(), Weekday(weekday));
        QTEST(d->StarTimeText->text(), "starTime");
        QVERIFY(d->OkButton1->isEnabled());
        QVERIFY(errors_.isEmpty());
    }

    void typingTheJulianDayFillsTheCivilFields()
    {
        auto d = Dialog();
        d->TimeZone->setText(QStringLiteral("1"));
        Show(*d);
        d->Year->setText(QStringLiteral("1980"));  // an edit: OK is off
        QVERIFY(!d->OkButton1->isEnabled());
        TypeInto(d->JulianDay, QStringLiteral("2451545"));
        QCOMPARE(CivilFields(*d), (QStringList{"2000", "1", "1", "13", "0", "0"}));
        QCOMPARE(d->WeekDayText->text(), Weekday(6));
        QVERIFY(d->OkButton1->isEnabled());
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));  // every prefix was a day too

        // A character that makes it no number: told, nothing else changes.
        QTest::keyClick(d->JulianDay, Qt::Key_X);
        QCOMPARE(errors_, QStringList{QString::fromUtf8("„2451545x” nem érvényes szám.")});
        QCOMPARE(d->Year->text(), QStringLiteral("2000"));
        QVERIFY(d->OkButton1->isEnabled());

        // A day the orbital elements do not cover is refused the same way.
        errors_.clear();
        TypeInto(d->JulianDay, QStringLiteral("99999999"));
        const QStringList lastRead = CivilFields(*d);
        QTest::keyClick(d->JulianDay, Qt::Key_9);
        QCOMPARE(errors_.size(), 1);
        QVERIFY2(errors_[0].startsWith(QString::fromUtf8("„999999999” nem érvényes Julián-nap")), qPrintable(errors_[0]));
        QCOMPARE(CivilFields(*d), lastRead);
    }

    void civilEditsDisableOkUntilDateUse()
    {
        auto d = Dialog();
        d->JulianDay->setText(QStringLiteral("2451545"));
        d->DateFromJulianDay();
        Show(*d);
        TypeInto(d->Year, QStringLiteral("2001"));
        QVERIFY(!d->OkButton1->isEnabled());
        QTest::keyClick(d->JulianDay, Qt::Key_Enter);  // Enter does not press a disabled OK
        QVERIFY(d->isVisible());
        QTest::mouseClick(d->DateUse, Qt::LeftButton);
        QVERIFY(d->OkButton1->isEnabled());
        QCOMPARE(d->JulianDay->text(), QStringLiteral("2451911"));  // 1 Jan 2001, 13:00 at +1 h
        QCOMPARE(d->WeekDayText->text(), Weekday(1));
        QTest::mouseClick(d->SummerTime, Qt::LeftButton);
        QVERIFY(!d->OkButton1->isEnabled());
        QTest::mouseClick(d->DateUse, Qt::LeftButton);
        QCOMPARE(d->JulianDay->text(), QStringLiteral("2451910.95833333"));  // an hour earlier in UT
    }

    void dateUseReducesAndDefaultsFields_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("typedZone");
        QTest::addColumn<QStringList>("same");
        QTest::addColumn<QString>("sameZone");
        QTest::newRow("month 300 is 44: January") << QStringList{"2001", "300", "5", "12", "0", "0"} << "1"
                                                  << QStringList{"2001", "1", "5", "12", "0", "0"} << "1";
        QTest::newRow("month 200 is -56: January") << QStringList{"2001", "200", "5", "12", "0", "0"} << "1"
                                                   << QStringList{"2001", "1", "5", "12", "0", "0"} << "1";
        QTest::newRow("month 258 is 2") << QStringList{"2001", "258", "5", "12", "0", "0"} << "1"
                                        << QStringList{"2001", "2", "5", "12", "0", "0"} << "1";
        QTest::newRow("day 257 is 1, hour 280 is 24")
            << QStringList{"2001", "3", "257", "280", "0", "0"} << "1" << QStringList{"2001", "3", "2", "0", "0", "0"}
            << "1";
        QTest::newRow("no zone is 1 h") << QStringList{"2001", "3", "2", "0", "0", "0"} << ""
                                        << QStringList{"2001", "3", "2", "0", "0", "0"} << "1";
        QTest::newRow("no seconds are 0 s") << QStringList{"2001", "3", "2", "0", "0", ""} << "1"
                                            << QStringList{"2001", "3", "2", "0", "0", "0"} << "1";
        QTest::newRow("seconds and zone lenient") << QStringList{"2001", "3", "2", "0", "0", "12.5s"} << "2 h"
                                                  << QStringList{"2001", "3", "2", "0", "0", "12.5"} << "2";
    }

    void dateUseReducesAndDefaultsFields()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, typedZone);
        QFETCH(QStringList, same);
        QFETCH(QString, sameZone);
        auto d = Dialog();
        const QString expected = DateUseOf(*d, same, sameZone);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(DateUseOf(*d, typed, typedZone), expected);
        QVERIFY(d->OkButton1->isEnabled());
    }

    void dateUseClearsTheDayWhenFieldsDoNotRead_data()
    {
        QTest::addColumn<QStringList>("civil");
        QTest::addColumn<QString>("zone");
        QTest::newRow("year not an integer") << QStringList{"19x9", "3", "2", "0", "0", "0"} << "1";
        QTest::newRow("empty month") << QStringList{"2001", "", "2", "0", "0", "0"} << "1";
        QTest::newRow("minute with a fraction") << QStringList{"2001", "3", "2", "0", "1.5", "0"} << "1";
        QTest::newRow("seconds nan") << QStringList{"2001", "3", "2", "0", "0", "nan"} << "1";
        QTest::newRow("zone inf") << QStringList{"2001", "3", "2", "0", "0", "0"} << "inf";
        QTest::newRow("year beyond the elements") << QStringList{"3000000", "3", "2", "0", "0", "0"} << "1";
    }

    void dateUseClearsTheDayWhenFieldsDoNotRead()
    {
        QFETCH(QStringList, civil);
        QFETCH(QString, zone);
        auto d = Dialog();
        QVERIFY(!DateUseOf(*d, {"2001", "3", "2", "0", "0", "0"}, "1").isEmpty());
        QCOMPARE(DateUseOf(*d, civil, zone), QString());
        QVERIFY(!d->OkButton1->isEnabled());
        QCOMPARE(d->StarTimeText->text(), QString());
        QVERIFY(errors_.isEmpty());  // no message for the civil fields
    }

    void nowUsesTheClockWithTheDialogsZone()
    {
        auto d = Dialog();
        d->Clock = [] {
            CalendarMoment m;
            m.Year = 2024, m.Month = 8, m.Day = 14, m.Hour = 22, m.Minute = 30, m.Second = 15.37;
            return m;
        };
        d->TimeZone->setText(QStringLiteral("2"));
        d->SummerTime->setChecked(true);
        QTest::mouseClick(d->NowButton1, Qt::LeftButton);
        QCOMPARE(CivilFields(*d), (QStringList{"2024", "8", "14", "22", "30", "15.3"}));
        const QString now = d->JulianDay->text();
        QVERIFY(d->OkButton1->isEnabled());
        QCOMPARE(DateUseOf(*d, {"2024", "8", "14", "22", "30", "15.3"}, "2"), now);
        QCOMPARE(now.left(12), QStringLiteral("2460537.3126"));  // 19:30:15.3 UT
    }

    void okTakesTheInstantBackAndRedraws()
    {
        ProgramWindows w = CreateProgramWindows(Options());
        TTimeDlg* d = w.TimeDlg.get();
        Observer.Zone = 2.0;
        Observer.JulianDay = 2451545.0;
        bool filled = false;
        WhenShown(d, [&] {
            // 14:00 at +2 h, give or take the tenth that the seconds are truncated to.
            filled = CivilFields(*d).mid(0, 3) == QStringList{"2000", "1", "1"} && d->TimeZone->text() == "2" &&
                     d->OkButton1->isEnabled() && QApplication::focusWidget() == d->OkButton1;
            TypeInto(d->JulianDay, QStringLiteral("2460536.375"));
            QTest::mouseClick(d->SummerTime, Qt::LeftButton);
            QTest::keyClick(d->TimeZone, Qt::Key_Return);  // OK is off after the edit: stays open
            QTest::mouseClick(d->DateUse, Qt::LeftButton);
            d->Year->setFocus();
            QTest::keyClick(d->Year, Qt::Key_Return);  // Enter presses OK
        });
        const int redraws = w.StarsForm->RedrawCount();
        w.StarsForm->Time1Click();
        QVERIFY(filled);
        QCOMPARE(d->result(), 1);
        QCOMPARE(Observer.SummerTime, true);
        // The same civil time, now summer time: an hour earlier in UT (the
        // civil seconds went through their tenths on the way).
        QVERIFY(std::fabs(Observer.JulianDay - (2460536.375 - 1.0 / 24)) < 0.1 / 86400);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws + 1);
        QVERIFY(errors_.isEmpty());
    }

    void cancelTakesNothingBack()
    {
        ProgramWindows w = CreateProgramWindows(Options());
        TTimeDlg* d = w.TimeDlg.get();
        const ObserverState before = Observer;
        WhenShown(d, [d] {
            d->TimeZone->setText(QStringLiteral("5"));
            d->JulianDay->setText(QStringLiteral("2451545"));
            QTest::keyClick(d->Year, Qt::Key_Escape);
        });
        const int redraws = w.StarsForm->RedrawCount();
        w.StarsForm->Time1Click();
        QCOMPARE(d->result(), 2);
        QCOMPARE(Observer.Zone, before.Zone);
        QCOMPARE(Observer.JulianDay, before.JulianDay);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws);
    }

    void okWithAZoneTheStrictConversionRejectsTakesNothing_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::newRow("trailing text") << "1.5x";
        QTest::newRow("another separator") << "1,5";
        QTest::newRow("nan") << "nan";
        QTest::newRow("beyond single precision") << "1e300";
    }

    void okWithAZoneTheStrictConversionRejectsTakesNothing()
    {
        QFETCH(QString, zone);
        ProgramWindows w = CreateProgramWindows(Options());
        TTimeDlg* d = w.TimeDlg.get();
        const ObserverState before = Observer;
        WhenShown(d, [d, zone] {
            d->TimeZone->setText(zone);
            d->SummerTime->setChecked(true);
            d->JulianDay->setText(QStringLiteral("2451545"));  // not focused: OK on, no conversion
            QTest::mouseClick(d->OkButton1, Qt::LeftButton);
        });
        const int redraws = w.StarsForm->RedrawCount();
        w.StarsForm->Time1Click();
        QCOMPARE(errors_, QStringList{QString::fromUtf8("„%1” nem érvényes szám.").arg(zone)});
        QCOMPARE(Observer.Zone, before.Zone);
        QCOMPARE(Observer.SummerTime, before.SummerTime);
        QCOMPARE(Observer.JulianDay, before.JulianDay);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws);
    }

    void okWithARejectedJulianDayKeepsTheDay_data()
    {
        QTest::addColumn<QString>("julianDay");
        QTest::addColumn<QString>("message");
        QTest::newRow("no number") << "2451545x" << QString::fromUtf8("„2451545x” nem érvényes szám.");
        QTest::newRow("inf") << "inf" << QString::fromUtf8("„inf” nem érvényes szám.");
        QTest::newRow("beyond the elements")
            << "-9e8" << QString::fromUtf8("„-9e8” nem érvényes Julián-nap: a pályaelemek erre a napra nem adnak pályát.");
    }

    void okWithARejectedJulianDayKeepsTheDay()
    {
        QFETCH(QString, julianDay);
        ProgramWindows w = CreateProgramWindows(Options());
        TTimeDlg* d = w.TimeDlg.get();
        const double day = Observer.JulianDay;
        WhenShown(d, [d, julianDay] {
            d->TimeZone->setText(QStringLiteral("-3.5"));
            d->SummerTime->setChecked(true);
            d->JulianDay->setText(julianDay);
            QTest::mouseClick(d->OkButton1, Qt::LeftButton);
        });
        const int redraws = w.StarsForm->RedrawCount();
        w.StarsForm->Time1Click();
        QTEST(errors_.value(0), "message");
        QCOMPARE(errors_.size(), 1);
        QCOMPARE(Observer.Zone, -3.5);
        QCOMPARE(Observer.SummerTime, true);
        QCOMPARE(Observer.JulianDay, day);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws);
    }

    void chartAfterTheTimeCommandIsTheRenderedOne()
    {
        ProgramWindows w = CreateProgramWindows(Options());
        w.StarsForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.StarsForm.get()));
        Observer.Latitude = Radians(-33.9);
        Observer.Longitude = Radians(18.4);
        TTimeDlg* d = w.TimeDlg.get();
        WhenShown(d, [d] {
            TypeInto(d->JulianDay, QStringLiteral("2460536.375"));
            QTest::mouseClick(d->OkButton1, Qt::LeftButton);
        });
        w.StarsForm->Time1Click();
        QCOMPARE(Observer.JulianDay, 2460536.375);
        const QSize size = w.StarsForm->Image1()->size();

        const QString objects = dir_.filePath(QStringLiteral("objects.tsv"));
        QProcess render;
        render.start(QStringLiteral(KOLVAR_CHART_BINARY),
                     {"render", "--jd", "2460536.375", "--lat", "-33.9", "--lon", "18.4", "--size",
                      QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), "--out",
                      dir_.filePath(QStringLiteral("sky.png")), "--objects", objects});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        QFile file(objects);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rendered = file.readAll();
        QCOMPARE(rendered.count('\n'), SkyObjectCount + 1);
        QVERIFY(ObjectsTable(Chart, SkyObjects) == rendered);
    }

    void controlsDoNotOverlapAndTabInOrder()
    {
        auto d = Dialog();
        Show(*d);
        QList<QWidget*> controls = d->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        controls.removeAll(d->Bevel1);  // the frame surrounds the fields
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
        QCOMPARE(d->Label6->text(), RunicString(TimeDlgCaptions.Label6));
        QCOMPARE(d->Label6->font().family(), QStringLiteral("Runex23x"));
        QCOMPARE(d->Year->font().family(), QStringLiteral("Arial"));

        QStringList order;
        QWidget* w = d->OkButton1;
        w->setFocus();
        for (int i = 0; i < 13; ++i, w = QApplication::focusWidget()) {
            order << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"OkButton1", "EscButton1", "Year", "Month", "Day", "Hour", "Min", "Sec",
                                     "NowButton1", "TimeZone", "SummerTime", "JulianDay", "DateUse"}));
        QCOMPARE(QApplication::focusWidget(), d->OkButton1);
    }
};

QTEST_MAIN(TimeDlgTest)
#include "time_dlg_test.moc"
