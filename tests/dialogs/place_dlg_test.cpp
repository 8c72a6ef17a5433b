// The place dialog and the place command, driven through the dialog's controls.
#include "dialogs/place_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cmath>

#include "appcore/settings_file.h"
#include "astro/angles.h"
#include "dialog_test_support.h"
#include "dialogs/city_dlg.h"

using namespace kolvar;
using namespace kolvar::testing;

namespace {

using kolvar::Pi;

QList<QLineEdit*> Fields(TPlaceDlg& d) {
    return {d.LatitudeDeg, d.LatitudePerc, d.LatitudeSec, d.LongitudeDeg, d.LongitudePerc, d.LongitudeSec};
}

// The six fields and the hemispheres as shown: "47 35 20.392217 19 3 50.406477 NE".
QString Shown(TPlaceDlg& d) {
    QStringList texts;
    for (QLineEdit* f : Fields(d)) texts << f->text();
    texts << QString(d.North->isChecked() ? "N" : "") + (d.South->isChecked() ? "S" : "") +
                 (d.East->isChecked() ? "E" : "") + (d.West->isChecked() ? "W" : "");
    return texts.join(' ');
}

}  // namespace

class PlaceDlgTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QStringList errors_;
    std::filesystem::path SettingsFile() const { return dir_.filePath("Kolvar.ini").toStdString(); }

    // Runs the place command with `drive` acting in the dialog; returns what it showed on opening.
    QString RunPlace(ProgramWindows& w, std::function<void(TPlaceDlg&)> drive) {
        QString shown;
        TPlaceDlg* d = w.PlaceDlg.get();
        WhenShown(d, [&shown, d, drive] {
            shown = Shown(*d);
            drive(*d);
        });
        w.StarsForm->Place1Click();
        return shown;
    }
    static void Type(TPlaceDlg& d, const QString& fields) {
        const QStringList texts = fields.split('|');
        for (int i = 0; i < 6; ++i) TypeInto(Fields(d)[i], texts[i]);
    }
    static void Cancel(TPlaceDlg& d) { QTest::keyClick(d.LatitudeDeg, Qt::Key_Escape); }
    static constexpr double ArcSecondsPerRadian = 206264.80624709636;

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

    void placeIsShownWithItsHemispheres_data() {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("shown");
        const double degree = Pi / 180;
        QTest::newRow("default place") << 0.8305847 << 0.3327296 << "47 35 20.392217 19 3 50.406477 NE";
        QTest::newRow("equator, Greenwich") << 0.0 << 0.0 << "0 0 0 0 0 0 NE";
        QTest::newRow("longitude pi") << -0.5 << Pi << "28 38 52.403124 180 0 0 SE";
        QTest::newRow("stored past pi") << 0.5 << 4.0 << "28 38 52.403124 130 49 0.775012 NW";
        QTest::newRow("past the pole") << 2.0 << 0.5 << "65 24 30.387506 151 21 7.596876 NW";
        QTest::newRow("whole minutes")
            << 51.0 / 60 * degree << (151 + 12.0 / 60) * degree << "0 51 0 151 12 0 NE";
        QTest::newRow("half seconds, west")
            << -0.5 / 3600 * degree << -(10 + 0.5 / 3600) * degree << "0 0 0.5 10 0 0.5 SW";
    }

    void placeIsShownWithItsHemispheres() {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, shown);
        ProgramWindows w = TestWindows(SettingsFile(), errors_);
        ObserverState& observer = w.StarsForm->Session().Observer;
        observer.Latitude = latitude;
        observer.Longitude = longitude;
        ObserverState normalised;
        QCOMPARE(RunPlace(w,
                          [&normalised, &observer](TPlaceDlg& d) {
                              normalised = observer;
                              QTest::keyClick(d.LatitudeDeg, Qt::Key_Return);  // untouched, accepted
                          }),
                 shown);
        QVERIFY(normalised.Longitude >= -Pi && normalised.Longitude <= Pi);
        QVERIFY(std::fabs(normalised.Latitude) <= Pi / 2);
        // The fields give the place back to within 1e-6" (a western longitude as a full turn less).
        QVERIFY(std::fabs(observer.Latitude - normalised.Latitude) * ArcSecondsPerRadian <= 1e-6);
        QVERIFY(std::fabs(std::remainder(observer.Longitude - normalised.Longitude, 2 * Pi)) *
                    ArcSecondsPerRadian <=
                1e-6);
        QCOMPARE(RunPlace(w, Cancel), shown);
    }

    void westIsStoredAsAFullTurnLessAndShownAgain() {
        ProgramWindows w = TestWindows(SettingsFile(), errors_);
        const int redraws = w.StarsForm->RedrawCount();
        RunPlace(w, [](TPlaceDlg& d) {
            Type(d, "47|0|0|10|0|0");
            d.West->click();
            QTest::keyClick(d.LongitudeSec, Qt::Key_Return);  // Enter accepts
        });
        QCOMPARE(w.StarsForm->Session().Observer.Longitude, 6.283185307179586 - 0.17453292519943295);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws + 1);
        QVERIFY(RunPlace(w, Cancel).endsWith(" 10 0 0 NW"));
        QVERIFY(std::fabs(w.StarsForm->Session().Observer.Longitude + 0.17453292519943295) < 1e-15);
    }

    void fieldsAreSummedAsTyped_data() {
        QTest::addColumn<bool>("comma");
        QTest::newRow("point locale") << false;
        QTest::newRow("comma locale") << true;
    }

    void fieldsAreSummedAsTyped() {
        QFETCH(bool, comma);
        if (comma) UseCommaLocale(dir_.path().toStdString());
        if (QTest::currentTestFailed()) return;
        ProgramWindows w = TestWindows(SettingsFile(), errors_);
        RunPlace(w, [](TPlaceDlg& d) {
            Type(d, "10|75|0,5|-1|0|7200.5");  // seconds with either separator in either locale
            d.South->click();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
        // Minutes 75 add 1.25 degrees; -1 degree + 7200.5 seconds is 1 degree 0.5 seconds.
        QCOMPARE(RunPlace(w, Cancel), comma ? "11 15 0,5 1 0 0,5 SE" : "11 15 0.5 1 0 0.5 SE");
        QVERIFY(std::fabs(w.StarsForm->Session().Observer.Latitude + (11.25 + 0.5 / 3600) * Pi / 180) <
                1e-15);
        QVERIFY(std::fabs(w.StarsForm->Session().Observer.Longitude - (1 + 0.5 / 3600) * Pi / 180) < 1e-15);
    }

    void decimalDegreesWithEmptyMinutesAndSeconds() {
        ProgramWindows w = TestWindows(SettingsFile(), errors_);
        RunPlace(w, [](TPlaceDlg& d) {
            Type(d, "47.589|||19|3|50");
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY(std::fabs(w.StarsForm->Session().Observer.Latitude - 47.589 * Pi / 180) < 1e-15);
        QVERIFY(std::fabs(w.StarsForm->Session().Observer.Longitude -
                          (19 + 3 / 60.0 + 50 / 3600.0) * Pi / 180) < 1e-15);
        QVERIFY(errors_.isEmpty());
    }

    // The city picker: "debre" offers Debrecen; taking it fills the place and
    // offers the town's zone, and only OK takes place, zone and name, which
    // the settings keep while the place stays the town's.
    void townFromThePickerIsTakenOnOk() {
        auto pickDebrecen = [](TPlaceDlg& d, QString* offered) {
            if (d.CityDlg == nullptr) d.CityDlg = new TCityDlg(&d);
            TCityDlg* c = d.CityDlg;
            WhenShown(c, [c, offered] {
                QTest::keyClicks(c->Search, "debre");
                *offered = c->Results->item(0)->text();
                QTest::keyClick(c->Search, Qt::Key_Return);
            });
            QTest::mouseClick(d.CityButton, Qt::LeftButton);
        };
        {
            ProgramWindows w = TestWindows(SettingsFile(), errors_);
            w.StarsForm->Session().Observer.JulianDay = 2460536.375;  // 13 August 2024: summer time in the EU
            w.StarsForm->Session().Observer.Zone = 3.0;
            QString offered, shown;
            RunPlace(w, [&](TPlaceDlg& d) {
                pickDebrecen(d, &offered);
                QTest::keyClick(&d, Qt::Key_Escape);
            });
            QCOMPARE(w.StarsForm->Session().Observer.Zone, 3.0);
            QVERIFY(w.StarsForm->Session().PlaceName.empty());
            RunPlace(w, [&](TPlaceDlg& d) {
                pickDebrecen(d, &offered);
                shown = Shown(d) + (d.CityZone->isChecked() ? " zone" : "");
                QTest::keyClick(d.focusWidget(), Qt::Key_Return);  // Enter takes the town
            });
            QVERIFY2(offered.startsWith("Debrecen ("), qPrintable(offered));
            QCOMPARE(shown, QStringLiteral("47 33 6 21 37 6 NE zone"));
            QVERIFY(std::fabs(w.StarsForm->Session().Observer.Latitude - 171186 * Pi / 648000) < 1e-15);
            QVERIFY(std::fabs(w.StarsForm->Session().Observer.Longitude - 77826 * Pi / 648000) < 1e-15);
            QCOMPARE(w.StarsForm->Session().Observer.Zone, 1.0);
            QCOMPARE(w.StarsForm->Session().Observer.SummerTime, true);
            QCOMPARE(w.StarsForm->Session().PlaceName, std::string("Debrecen"));
            RunPlace(w, [](TPlaceDlg& d) { QTest::mouseClick(d.OkButton, Qt::LeftButton); });
            QCOMPARE(w.StarsForm->Session().PlaceName,
                     std::string("Debrecen"));  // the place is still the town's
        }
        {
            ProgramWindows w = TestWindows(SettingsFile(), errors_);
            QCOMPARE(w.StarsForm->Session().PlaceName,
                     std::string("Debrecen"));  // kept in the settings
            RunPlace(w, [](TPlaceDlg& d) {
                Type(d, "47|0|0|21|0|0");
                QTest::mouseClick(d.OkButton, Qt::LeftButton);
            });
            QVERIFY(w.StarsForm->Session().PlaceName.empty());
        }
    }

    void unreadableFieldChangesNothing_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("unread");
        QTest::newRow("seconds not a number") << "12|0|abc|0|0|0"
                                              << "abc";
        QTest::newRow("empty degrees") << "12|0|0||0|0"
                                       << "";
        QTest::newRow("two separators") << "12|0|0|0|0|1,5.2"
                                        << "1,5.2";
        QTest::newRow("seconds inf") << "12|0|0|0|0|inf"
                                     << "inf";
    }

    void unreadableFieldChangesNothing() {
        QFETCH(QString, fields);
        QFETCH(QString, unread);
        ProgramWindows w = TestWindows(SettingsFile(), errors_);
        w.StarsForm->Session().Observer.Longitude = -4.0;  // normalised on opening to 2 pi - 4
        const int redraws = w.StarsForm->RedrawCount();
        RunPlace(w, [fields](TPlaceDlg& d) {
            Type(d, fields);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(errors_, QStringList{QString::fromUtf8("„%1” nem érvényes szám.").arg(unread)});
        QVERIFY(std::fabs(w.StarsForm->Session().Observer.Longitude - (2 * Pi - 4.0)) < 1e-15);
        QCOMPARE(w.StarsForm->Session().Observer.Latitude, 0.8305847);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws);
    }

    void cancelKeepsTheNormalisedPlaceForTheSettings() {
        {
            ProgramWindows w = TestWindows(SettingsFile(), errors_);
            w.StarsForm->Session().Observer.Longitude = 6.283185307179586 - 0.17453292519943295;
            RunPlace(w, [](TPlaceDlg& d) { d.close(); });  // the close box cancels
            QCOMPARE(w.PlaceDlg->result(), 2);
        }
        QVERIFY(std::fabs(LoadIniFile(SettingsFile()).Longitude + 0.17453292519943295) < 1e-14);
    }

    void controlsDoNotOverlapAndTabInOrder() {
        TPlaceDlg d;
        d.North->setChecked(true);
        d.East->setChecked(true);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.OkButton);
        // A group of radio buttons is one stop, at its checked button.
        CheckLayout(&d,
                    {"EscButton", "OkButton", "North", "East", "LatitudeDeg", "LongitudeDeg", "LatitudePerc",
                     "LongitudePerc", "LatitudeSec", "LongitudeSec", "CityButton", "EscButton"});
    }
};

QTEST_MAIN(PlaceDlgTest)
#include "place_dlg_test.moc"
