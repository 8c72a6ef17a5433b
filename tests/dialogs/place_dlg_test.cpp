// The place dialog and the place command, driven through the dialog's controls.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "chart/observer_state.h"
#include "dialog_test_support.h"
#include "dialogs/place_dlg.h"
#include "shell/program_start.h"
#include "shell/settings_file.h"

using namespace kolvar;
using namespace kolvar::testing;

namespace {

constexpr double Pi = 3.141592653589793;

struct Shown {
    QStringList Latitude, Longitude;  // degrees, minutes, seconds as shown
    bool North = false, South = false, East = false, West = false;
};

Shown Read(const TPlaceDlg& d)
{
    return {{d.LatitudeDeg->text(), d.LatitudePerc->text(), d.LatitudeSec->text()},
            {d.LongitudeDeg->text(), d.LongitudePerc->text(), d.LongitudeSec->text()},
            d.North->isChecked(), d.South->isChecked(), d.East->isChecked(), d.West->isChecked()};
}

void Type(TPlaceDlg& d, const QStringList& latitude, const QStringList& longitude)
{
    TypeInto(d.LatitudeDeg, latitude[0]);
    TypeInto(d.LatitudePerc, latitude[1]);
    TypeInto(d.LatitudeSec, latitude[2]);
    TypeInto(d.LongitudeDeg, longitude[0]);
    TypeInto(d.LongitudePerc, longitude[1]);
    TypeInto(d.LongitudeSec, longitude[2]);
}

}  // namespace

class PlaceDlgTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QStringList errors_;
    std::filesystem::path SettingsFile() const { return std::filesystem::path(dir_.path().toStdString()) / "Kolvar.ini"; }

    ProgramWindows Windows()
    {
        TStarsForm::Options o;
        o.SettingsFile = SettingsFile();
        o.ReportError = [this](const QString& text) { errors_.append(text); };
        return CreateProgramWindows(std::move(o));
    }
    // Runs the place command with `drive` acting in the dialog; what it shows
    // on opening is returned.
    Shown RunPlace(ProgramWindows& w, std::function<void(TPlaceDlg&)> drive)
    {
        Shown shown;
        TPlaceDlg* d = w.PlaceDlg.get();
        WhenShown(d, [&shown, d, drive] {
            shown = Read(*d);
            drive(*d);
        });
        w.StarsForm->Place1Click();
        return shown;
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
        Observer = ObserverState{};  // the last test's windows left it closing
        std::filesystem::remove(SettingsFile());
    }

    void defaultPlaceShowsNorthAndEast()
    {
        ProgramWindows w = Windows();
        QCOMPARE(Observer.Longitude, 0.3327296);
        Shown s = RunPlace(w, [](TPlaceDlg& d) { QTest::mouseClick(d.EscButton, Qt::LeftButton); });
        QCOMPARE(s.Latitude.mid(0, 2), (QStringList{"47", "35"}));
        QVERIFY2(std::fabs(s.Latitude[2].toDouble() - 20.39222) < 5e-6, qPrintable(s.Latitude[2]));
        QCOMPARE(s.Longitude.mid(0, 2), (QStringList{"19", "3"}));
        QVERIFY2(std::fabs(s.Longitude[2].toDouble() - 50.40648) < 5e-6, qPrintable(s.Longitude[2]));
        QVERIFY(s.North && !s.South && s.East && !s.West);
    }

    void hemispheresAtTheBoundaries_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("north");
        QTest::addColumn<bool>("east");
        QTest::newRow("equator, Greenwich") << 0.0 << 0.0 << true << true;
        QTest::newRow("longitude pi") << -0.5 << Pi << false << true;
        QTest::newRow("west, stored past pi") << 0.5 << 4.0 << true << false;
        QTest::newRow("latitude past the pole") << 2.0 << 0.5 << true << false;  // over the pole: the other side
    }

    void hemispheresAtTheBoundaries()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        ProgramWindows w = Windows();
        Observer.Latitude = latitude;
        Observer.Longitude = longitude;
        Shown s = RunPlace(w, [](TPlaceDlg& d) { QTest::keyClick(d.LatitudeDeg, Qt::Key_Escape); });
        QTEST(s.North, "north");
        QCOMPARE(s.South, !s.North);
        QTEST(s.East, "east");
        QCOMPARE(s.West, !s.East);
        QVERIFY(Observer.Longitude > -Pi && Observer.Longitude <= Pi);
        QVERIFY(std::fabs(Observer.Latitude) <= Pi / 2);
    }

    void westIsStoredAsAFullTurnLessAndShownAgain()
    {
        ProgramWindows w = Windows();
        const int redraws = w.StarsForm->RedrawCount();
        RunPlace(w, [](TPlaceDlg& d) {
            Type(d, {"47", "0", "0"}, {"10", "0", "0"});
            d.West->click();
            QTest::keyClick(d.LongitudeSec, Qt::Key_Return);  // Enter accepts
        });
        QCOMPARE(Observer.Longitude, 6.283185307179586 - 0.17453292519943295);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws + 1);

        Shown s = RunPlace(w, [](TPlaceDlg& d) { QTest::mouseClick(d.EscButton, Qt::LeftButton); });
        QVERIFY(s.West && !s.East);
        QCOMPARE(s.Longitude.mid(0, 2), (QStringList{"10", "0"}));
        QVERIFY2(std::fabs(s.Longitude[2].toDouble()) < 1e-9, qPrintable(s.Longitude[2]));
        QVERIFY(std::fabs(Observer.Longitude + 0.17453292519943295) < 1e-15);
    }

    void fieldsAreSummedAsTyped()
    {
        ProgramWindows w = Windows();
        RunPlace(w, [](TPlaceDlg& d) {
            Type(d, {"10", "75", "0"}, {"-1", "0", "7200"});
            d.South->click();
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QVERIFY(std::fabs(Observer.Latitude + 11.25 * Pi / 180) < 1e-15);  // minutes 75 add 1.25 degrees
        QVERIFY(std::fabs(Observer.Longitude - 1.0 * Pi / 180) < 1e-15);   // -1 degree + 2 degrees
        QVERIFY(errors_.isEmpty());
    }

    void unreadableFieldChangesNothing_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("seconds not a number") << 2 << "abc";
        QTest::newRow("empty degrees") << 3 << "";
        QTest::newRow("another separator") << 5 << "1,5";
        QTest::newRow("minutes with a fraction") << 1 << "1.5";
        QTest::newRow("seconds inf") << 5 << "inf";
    }

    void unreadableFieldChangesNothing()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        ProgramWindows w = Windows();
        Observer.Longitude = -4.0;  // normalised on opening to 2 pi - 4
        const int redraws = w.StarsForm->RedrawCount();
        RunPlace(w, [field, text](TPlaceDlg& d) {
            QLineEdit* fields[] = {d.LatitudeDeg, d.LatitudePerc, d.LatitudeSec,
                                   d.LongitudeDeg, d.LongitudePerc, d.LongitudeSec};
            TypeInto(d.LatitudeDeg, QStringLiteral("12"));
            TypeInto(fields[field], text);
            QTest::mouseClick(d.OkButton, Qt::LeftButton);
        });
        QCOMPARE(errors_, QStringList{QString::fromUtf8("„%1” nem érvényes szám.").arg(text)});
        QVERIFY(std::fabs(Observer.Longitude - (2 * Pi - 4.0)) < 1e-15);
        QCOMPARE(Observer.Latitude, 0.8305847);
        QCOMPARE(w.StarsForm->RedrawCount(), redraws);
    }

    void cancelKeepsTheNormalisedPlaceForTheSettings()
    {
        {
            ProgramWindows w = Windows();
            Observer.Longitude = 6.283185307179586 - 0.17453292519943295;
            Observer.Latitude = 0.5;
            const int redraws = w.StarsForm->RedrawCount();
            RunPlace(w, [](TPlaceDlg& d) { d.close(); });  // the close box cancels
            QCOMPARE(w.PlaceDlg->result(), 2);
            QCOMPARE(w.StarsForm->RedrawCount(), redraws);
        }
        IniValues saved = LoadIniFile(SettingsFile());
        QVERIFY2(std::fabs(saved.Longitude + 0.17453292519943295) < 1e-14, qPrintable(QString::number(saved.Longitude)));
        QCOMPARE(saved.Latitude, 0.5);
    }

    void controlsDoNotOverlapAndTabInOrder()
    {
        TPlaceDlg d;
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.OkButton);
        QList<QWidget*> controls = d.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
        d.North->setChecked(true);
        d.East->setChecked(true);
        QStringList order;
        QWidget* w = d.EscButton;
        w->setFocus();
        for (int i = 0; i < 10; ++i, w = QApplication::focusWidget()) {
            order << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
        }
        // A group of radio buttons is one stop, at its checked button.
        QCOMPARE(order, (QStringList{"EscButton", "OkButton", "North", "East", "LatitudeDeg", "LongitudeDeg",
                                     "LatitudePerc", "LongitudePerc", "LatitudeSec", "LongitudeSec"}));
    }
};

QTEST_MAIN(PlaceDlgTest)
#include "place_dlg_test.moc"
