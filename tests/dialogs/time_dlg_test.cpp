// The time dialog and the time command, driven through the dialog's controls.
#include "dialogs/time_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "chart/chart_frame.h"
#include "dialog_test_support.h"
#include "shell/chart_view.h"
#include "sky/sky_object_table.h"
#include "texts/runic_captions.h"
#include "widgets/runic_text.h"

using namespace kolvar;
using namespace kolvar::testing;

namespace {

QString Weekday(int number) { return RunicString(WeekdayRunicNames[static_cast<std::size_t>(number)].Runic); }

QStringList CivilFields(const TTimeDlg& d) {
    return {d.Year->text(), d.Month->text(), d.Day->text(), d.Hour->text(), d.Min->text(), d.Sec->text()};
}

// The objects table as `kolvar-chart render --objects` writes it.
QByteArray ObjectsTable(const ChartFrame& frame, const SkyObjectTable& objects) {
    QByteArray out("slot\tkind\tindex\tvisible\tazimuth\taltitude\tdistance\tx\ty\n");
    char line[256];
    for (int slot = 0; slot < SkyObjectCount; ++slot) {
        const SkyObjectEntry& e = objects[static_cast<std::size_t>(slot)];
        const ChartPoint p = ProjectToChart(frame, e.Azimuth, e.Altitude);
        std::snprintf(line, sizeof line, "%d\t%d\t%d\t%d\t%.17g\t%.17g\t%.17g\t%.9g\t%.9g\n", slot, e.Kind,
                      e.Index, e.Visible, e.Azimuth, e.Altitude, e.Distance, static_cast<double>(p.X),
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

    std::filesystem::path SettingsFile() const { return dir_.filePath("Kolvar.ini").toStdString(); }
    ProgramWindows Windows() { return TestWindows(SettingsFile(), errors_); }
    std::unique_ptr<TTimeDlg> Dialog(bool shown = false) {
        auto d = std::make_unique<TTimeDlg>();
        d->ReportError = [this](const QString& text) { errors_.append(text); };
        if (shown) {
            d->show();
            if (!QTest::qWaitForWindowActive(d.get())) qWarning("dialog not active");
        }
        return d;
    }
    // The Julian day that DateUse makes of "year|month|day|hour|min|sec|zone".
    static QString DateUseOf(TTimeDlg& d, const QString& fields) {
        const QStringList f = fields.split('|');
        QLineEdit* edits[] = {d.Year, d.Month, d.Day, d.Hour, d.Min, d.Sec, d.TimeZone};
        for (int i = 0; i < 7; ++i) edits[i]->setText(f[i]);
        d.DateUseClick();
        return d.JulianDay->text();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        PrepareDialogTests(dir_.path().toStdString());
    }

    void init() {
        errors_.clear();
        std::setlocale(LC_NUMERIC, "C");
        std::filesystem::remove(SettingsFile());
    }

    void julianDayIsShownInTheZone_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("julianDay");
        QTest::addColumn<QString>("zoneShown");
        QTest::addColumn<QString>("civil");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<QString>("starTime");
        QTest::newRow("zone in single precision") << "1.1"
                                                  << "2451545"
                                                  << "1.10000002384186"
                                                  << "2000 1 1 13 6 0" << 6 << "18 41' 49.5\"";
        QTest::newRow("no zone is 1 h") << ""
                                        << "2451545"
                                        << "1"
                                        << "2000 1 1 13 0 0" << 6 << "18 41' 49.5\"";
        QTest::newRow("text after the zone") << "-5 h"
                                             << "2451544.5"
                                             << "-5"
                                             << "1999 12 31 19 0 0" << 5 << "06 39' 51.3\"";
        QTest::newRow("seconds 59.97") << "0"
                                       << "2451544.5006941"
                                       << "0"
                                       << "2000 1 1 0 0 59.9" << 6 << "06 40' 51.4\"";
        QTest::newRow("sidereal 3.24 s") << "0"
                                         << "2451527.48214795"
                                         << "0"
                                         << "1999 12 14 23 34 17.5" << 2 << "05 07' 3.2\"";
        QTest::newRow("sidereal 59.97 s") << "0"
                                          << "2451529.47734189"
                                          << "0"
                                          << "1999 12 16 23 27 22.3" << 4 << "05 07' 59.9\"";
    }

    void julianDayIsShownInTheZone() {
        QFETCH(QString, zone);
        QFETCH(QString, julianDay);
        QFETCH(int, weekday);
        auto d = Dialog();
        d->TimeZone->setText(zone);
        d->JulianDay->setText(julianDay);
        QVERIFY(d->DateFromJulianDay());
        QTEST(d->TimeZone->text(), "zoneShown");
        QTEST(CivilFields(*d).join(' '), "civil");
        QCOMPARE(d->WeekDayText->text(), Weekday(weekday));
        QTEST(d->StarTimeText->text(), "starTime");
        QVERIFY(d->OkButton1->isEnabled());
        QVERIFY(errors_.isEmpty());
    }

    void typingTheJulianDayFillsTheCivilFieldsAndCivilEditsDisableOk() {
        auto d = Dialog(true);
        d->Year->setText(QStringLiteral("1980"));  // an edit: OK is off
        TypeInto(d->JulianDay, QStringLiteral("2451545"));
        QCOMPARE(CivilFields(*d).join(' '), QStringLiteral("2000 1 1 13 0 0"));
        QCOMPARE(d->WeekDayText->text(), Weekday(6));
        QVERIFY(d->OkButton1->isEnabled());
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));  // every prefix was a day too

        // A character that makes it no number is told and, agreeing with no
        // civil time, turns OK off; nothing else changes.
        const QStringList shown = CivilFields(*d);
        QTest::keyClick(d->JulianDay, Qt::Key_X);
        QTest::keyClick(d->JulianDay, Qt::Key_Return);  // converts nothing over the typed day
        QCOMPARE(d->JulianDay->text(), QStringLiteral("2451545x"));
        QCOMPARE(errors_, QStringList{QString::fromUtf8("„2451545x” nem érvényes szám.")});
        QCOMPARE(CivilFields(*d), shown);
        QVERIFY(!d->OkButton1->isEnabled());

        // So is a day that the orbital elements do not cover.
        TypeInto(d->JulianDay, QStringLiteral("99999999"));
        const QStringList lastRead = CivilFields(*d);
        QTest::keyClick(d->JulianDay, Qt::Key_9);
        QCOMPARE(errors_.size(), 2);
        QVERIFY2(errors_[1].startsWith(QString::fromUtf8("„999999999” nem érvényes Julián-nap")),
                 qPrintable(errors_[1]));
        QCOMPARE(CivilFields(*d), lastRead);

        // Editing a civil field disables OK until DateUse; so does summer time.
        TypeInto(d->JulianDay, QStringLiteral("2451545"));
        TypeInto(d->Year, QStringLiteral("2001"));
        QVERIFY(!d->OkButton1->isEnabled());
        QTest::keyClick(d->Year, Qt::Key_Enter);  // Enter does not press a disabled OK
        QVERIFY(d->isVisible());
        QTest::mouseClick(d->DateUse, Qt::LeftButton);
        QVERIFY(d->OkButton1->isEnabled());
        QCOMPARE(d->JulianDay->text(), QStringLiteral("2451911"));  // 1 Jan 2001, 13:00 at +1 h
        QCOMPARE(d->WeekDayText->text(), Weekday(1));
        d->SummerTime->click();
        QVERIFY(!d->OkButton1->isEnabled());
        QTest::mouseClick(d->DateUse, Qt::LeftButton);
        QCOMPARE(d->JulianDay->text(), QStringLiteral("2451910.95833333"));  // an hour earlier in UT
    }

    void dateUseReducesAndDefaultsFields_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("same");
        QTest::newRow("month 300 is 44: January") << "2001|300|5|12|0|0|1"
                                                  << "2001|1|5|12|0|0|1";
        QTest::newRow("month 200 is -56: January") << "2001|200|5|12|0|0|1"
                                                   << "2001|1|5|12|0|0|1";
        QTest::newRow("month 258 is 2") << "2001|258|5|12|0|0|1"
                                        << "2001|2|5|12|0|0|1";
        QTest::newRow("day 257 is 1, hour 280 is 24") << "2001|3|257|280|0|0|1"
                                                      << "2001|3|2|0|0|0|1";
        QTest::newRow("no zone is 1 h, no seconds 0 s") << "2001|3|2|0|0||"
                                                        << "2001|3|2|0|0|0|1";
        QTest::newRow("text after seconds and zone") << "2001|3|2|0|0|12.5s|2 h"
                                                     << "2001|3|2|0|0|12.5|2";
    }

    void dateUseReducesAndDefaultsFields() {
        QFETCH(QString, typed);
        QFETCH(QString, same);
        auto d = Dialog();
        const QString expected = DateUseOf(*d, same);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(DateUseOf(*d, typed), expected);
        QVERIFY(d->OkButton1->isEnabled());
    }

    void dateUseClearsTheDayWhenFieldsDoNotRead_data() {
        QTest::addColumn<QString>("fields");
        QTest::newRow("year not an integer") << "19x9|3|2|0|0|0|1";
        QTest::newRow("seconds nan") << "2001|3|2|0|0|nan|1";
        QTest::newRow("zone inf") << "2001|3|2|0|0|0|inf";
        QTest::newRow("year beyond the elements") << "3000000|3|2|0|0|0|1";
        QTest::newRow("zone beyond a day") << "2001|3|2|0|0|0|-24.5";
    }

    void dateUseClearsTheDayWhenFieldsDoNotRead() {
        QFETCH(QString, fields);
        auto d = Dialog();
        QVERIFY(!DateUseOf(*d, "2001|3|2|0|0|0|1").isEmpty());
        QCOMPARE(DateUseOf(*d, fields), QString());
        QVERIFY(!d->OkButton1->isEnabled());
        QCOMPARE(d->StarTimeText->text(), QString());
        QVERIFY(errors_.isEmpty());  // no message for the civil fields
    }

    void nowUsesTheClockWithTheDialogsZone() {
        auto d = Dialog();
        d->Clock = [] { return CalendarMoment{2024, 8, 14, 22, 30, 15.37}; };
        d->TimeZone->setText(QStringLiteral("2"));
        d->SummerTime->setChecked(true);
        QTest::mouseClick(d->NowButton1, Qt::LeftButton);
        QCOMPARE(CivilFields(*d).join(' '), QStringLiteral("2024 8 14 22 30 15.3"));
        QVERIFY(d->OkButton1->isEnabled());
        QCOMPARE(d->JulianDay->text().left(12), QStringLiteral("2460537.3126"));  // 19:30:15.3 UT
    }

    void okTakesTheInstantBackAndRedraws() {
        ProgramWindows w = Windows();
        TTimeDlg* d = w.TimeDlg.get();
        w.StarsForm->Session().Observer.Zone = 2.0;
        w.StarsForm->Session().Observer.JulianDay = 2451545.0;
        bool filled = false;
        WhenShown(d, [&] {
            // 14:00 at +2 h, give or take the tenth the seconds are truncated to.
            filled = CivilFields(*d).mid(0, 3) == QStringList{"2000", "1", "1"} &&
                     d->TimeZone->text() == "2" && d->OkButton1->isEnabled() &&
                     QApplication::focusWidget() == d->OkButton1;
            TypeInto(d->JulianDay, QStringLiteral("2460536.375"));
            d->SummerTime->click();
            QTest::keyClick(d->TimeZone, Qt::Key_Return);  // OK is off after the edit: stays open
            QTest::mouseClick(d->DateUse, Qt::LeftButton);
            d->Year->setFocus();
            QTest::keyClick(d->Year, Qt::Key_Return);  // Enter presses OK
        });
        const int redraws = w.StarsForm->RedrawCount();
        w.StarsForm->Time1Click();
        QVERIFY(filled);
        QCOMPARE(d->result(), 1);
        QCOMPARE(w.StarsForm->Session().Observer.SummerTime, true);
        // The same civil time, now summer time: an hour earlier in UT.
        QVERIFY(std::fabs(w.StarsForm->Session().Observer.JulianDay - (2460536.375 - 1.0 / 24)) <
                0.1 / 86400);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws + 1);

        // Escape cancels and takes nothing back.
        const ObserverState before = w.StarsForm->Session().Observer;
        WhenShown(d, [d] {
            d->TimeZone->setText(QStringLiteral("5"));
            d->JulianDay->setText(QStringLiteral("2451545"));
            QTest::keyClick(d->Year, Qt::Key_Escape);
        });
        w.StarsForm->Time1Click();
        QCOMPARE(d->result(), 2);
        QCOMPARE(w.StarsForm->Session().Observer.Zone, before.Zone);
        QCOMPARE(w.StarsForm->Session().Observer.JulianDay, before.JulianDay);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws + 1);
        QVERIFY(errors_.isEmpty());
    }

    void zoneAndSecondsReadWithEitherSeparator_data() {
        QTest::addColumn<bool>("comma");
        QTest::newRow("point locale") << false;
        QTest::newRow("comma locale") << true;
    }

    void zoneAndSecondsReadWithEitherSeparator() {
        QFETCH(bool, comma);
        if (comma) UseCommaLocale(dir_.path().toStdString());
        if (QTest::currentTestFailed()) return;
        const auto with = [](QString number, bool useComma) {
            return number.replace('.', useComma ? ',' : '.');
        };
        std::ofstream(SettingsFile()) << "[LOCALTIME]\nZone=5,5\n";  // India, as a comma locale keeps it
        QString opened;
        ObserverState taken;
        {
            ProgramWindows w = Windows();
            w.StarsForm->Session().Observer.JulianDay = 2451545.0;
            TTimeDlg* d = w.TimeDlg.get();
            WhenShown(d, [&] {
                opened = d->TimeZone->text() + ' ' + CivilFields(*d).join(' ');
                TypeInto(d->Sec, with("12.5", !comma));  // and Newfoundland, with the other separator
                TypeInto(d->TimeZone, with("-3.5", !comma));
                QTest::mouseClick(d->DateUse, Qt::LeftButton);
                QTest::mouseClick(d->OkButton1, Qt::LeftButton);
            });
            w.StarsForm->Time1Click();
            taken = w.StarsForm->Session().Observer;
        }
        QCOMPARE(opened, with("5.5 2000 1 1 17 30 0", comma));
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        QCOMPARE(taken.Zone, -3.5);
        QVERIFY(std::fabs(taken.JulianDay - (2451545.0 + 9.0 / 24 + 12.5 / 86400)) < 1e-7);  // 21:00:12.5 UT
        QFile saved(dir_.filePath("Kolvar.ini"));
        QVERIFY(saved.open(QIODevice::ReadOnly) &&
                saved.readAll().contains(with("Zone=-3.5\n", comma).toLatin1()));
    }

    void comingBackToTheDialogConvertsNothing() {
        QWidget other;  // another program's window, as far as the dialog can tell
        other.show();
        auto d = Dialog();
        d->setModal(false);
        d->show();
        QTRY_VERIFY(d->isActiveWindow());
        const auto leaveAndComeBack = [&d, &other](bool okEnabled) {
            other.activateWindow();
            QTRY_VERIFY(other.isActiveWindow());
            d->activateWindow();
            QTRY_VERIFY(d->isActiveWindow());
            QCOMPARE(d->OkButton1->isEnabled(), okEnabled);
        };
        TypeInto(d->JulianDay, QStringLiteral("2451545"));
        leaveAndComeBack(true);
        TypeInto(d->Year, QStringLiteral("2001"));
        leaveAndComeBack(false);
        d->JulianDay->setFocus();  // coming back to the Julian day converts nothing either
        leaveAndComeBack(false);
        QCOMPARE(d->Year->text(), QStringLiteral("2001"));
        QTest::mouseClick(d->DateUse, Qt::LeftButton);
        leaveAndComeBack(true);
    }

    void okStopsAtTheFirstTextThatDoesNotRead_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("julianDay");
        QTest::addColumn<QString>("message");
        const QString notANumber = QString::fromUtf8("„%1” nem érvényes szám.");
        QTest::newRow("zone with trailing text") << "1.5x"
                                                 << "2451545" << notANumber.arg("1.5x");
        QTest::newRow("zone nan") << "nan"
                                  << "2451545" << notANumber.arg("nan");
        QTest::newRow("zone beyond a day")
            << "3.4e38"
            << "2451545"
            << QString::fromUtf8("„3.4e38” nem érvényes időzóna: legfeljebb 24 óra keletre vagy nyugatra.");
        QTest::newRow("day no number") << "-3.5"
                                       << "2451545x" << notANumber.arg("2451545x");
        QTest::newRow("day inf") << "-3.5"
                                 << "inf" << notANumber.arg("inf");
        QTest::newRow("day beyond the elements")
            << "-3.5"
            << "-9e8"
            << QString::fromUtf8(
                   "„-9e8” nem érvényes Julián-nap: a pályaelemek erre a napra nem adnak pályát.");
    }

    void okStopsAtTheFirstTextThatDoesNotRead() {
        QFETCH(QString, zone);
        QFETCH(QString, julianDay);
        ProgramWindows w = Windows();
        TTimeDlg* d = w.TimeDlg.get();
        const ObserverState before = w.StarsForm->Session().Observer;
        WhenShown(d, [d, zone, julianDay] {
            d->TimeZone->setText(zone);
            d->SummerTime->setChecked(true);
            d->JulianDay->setText(julianDay);  // not focused: no conversion, OK stays off
            // Whatever let OK through, the exchange reads the texts again.
            d->OkButton1Click();
        });
        const int redraws = w.StarsForm->RedrawCount();
        w.StarsForm->Time1Click();
        QTEST(errors_.join('\n'), "message");
        // A bad zone takes nothing back; a bad day leaves the zone and flag taken.
        const bool zoneRead = zone == "-3.5";
        QCOMPARE(w.StarsForm->Session().Observer.Zone, zoneRead ? -3.5 : before.Zone);
        QCOMPARE(w.StarsForm->Session().Observer.SummerTime, zoneRead || before.SummerTime);
        QCOMPARE(w.StarsForm->Session().Observer.JulianDay, before.JulianDay);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws);
    }

    void chartAfterTheTimeCommandIsTheRenderedOne() {
        ProgramWindows w = Windows();
        w.StarsForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.StarsForm.get()));
        // The place as render converts its degrees.
        w.StarsForm->Session().Observer.Latitude = -33.9 * (3.141592653589793 / 180.0);
        w.StarsForm->Session().Observer.Longitude = 18.4 * (3.141592653589793 / 180.0);
        TTimeDlg* d = w.TimeDlg.get();
        WhenShown(d, [d] {
            TypeInto(d->JulianDay, QStringLiteral("2460536.375"));
            QTest::mouseClick(d->OkButton1, Qt::LeftButton);
        });
        w.StarsForm->Time1Click();
        QCOMPARE(w.StarsForm->Session().Observer.JulianDay, 2460536.375);

        const QSize size = w.StarsForm->Image1()->size();
        const QString objects = dir_.filePath(QStringLiteral("objects.tsv"));
        QProcess render;
        render.start(QStringLiteral(KOLVAR_CHART_BINARY),
                     {"render", "--jd", "2460536.375", "--lat", "-33.9", "--lon", "18.4", "--size",
                      QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), "--out",
                      dir_.filePath("sky.png"), "--objects", objects});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        QFile file(objects);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rendered = file.readAll();
        QCOMPARE(rendered.count('\n'), SkyObjectCount + 1);
        // Each line as the window placed the object, then magnitude and name.
        const QList<QByteArray> expected =
            ObjectsTable(w.StarsForm->Session().Chart, w.StarsForm->Session().SkyObjects()).split('\n');
        const QList<QByteArray> lines = rendered.split('\n');
        QCOMPARE(lines.size(), expected.size());
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) QVERIFY(lines[i].startsWith(expected[i] + '\t'));
    }

    // After a civil edit Enter converts; the note on why OK waits shows until then.
    void enterConvertsACivilEditAndTheNoteTellsWhy_data() {
        QTest::addColumn<QString>("edit");  // field|typed|Julian day after Enter
        QTest::newRow("year") << "Year|2001|2451911";
        QTest::newRow("hour, Enter in the zone") << "Hour|1|2451910.5";
        QTest::newRow("does not read") << "Month|x|";
    }

    void enterConvertsACivilEditAndTheNoteTellsWhy() {
        QFETCH(QString, edit);
        const QString field = edit.section('|', 0, 0);
        auto d = Dialog(true);
        d->JulianDay->setText(QStringLiteral("2451911"));  // 1 Jan 2001, 13:00 at +1 h
        QVERIFY(d->DateFromJulianDay());
        QVERIFY(d->WaitNote->isHidden());
        TypeInto(d->findChild<QLineEdit*>(field), edit.section('|', 1, 1));
        QVERIFY(!d->OkButton1->isEnabled());
        QVERIFY(d->WaitNote->isVisible());
        QTest::keyClick(field == "Hour" ? d->TimeZone : d->findChild<QLineEdit*>(field), Qt::Key_Return);
        QCOMPARE(d->JulianDay->text(), edit.section('|', 2));
        QCOMPARE(d->OkButton1->isEnabled(), !d->JulianDay->text().isEmpty());
        QCOMPARE(d->WaitNote->isVisible(), d->JulianDay->text().isEmpty());
    }

    void controlsDoNotOverlapAndTabInOrder() {
        auto d = Dialog(true);
        QCOMPARE(d->Label6->text(), RunicString(TimeDlgCaptions.Label6.Runic));
        QCOMPARE(d->Label6->font().family(), QStringLiteral("Runex23x"));
        CheckLayout(d.get(),
                    {"OkButton1", "EscButton1", "Year", "Month", "Day", "Hour", "Min", "Sec", "NowButton1",
                     "TimeZone", "SummerTime", "JulianDay", "DateUse", "OkButton1"},
                    d->Bevel1);
    }
};

QTEST_MAIN(TimeDlgTest)
#include "time_dlg_test.moc"
