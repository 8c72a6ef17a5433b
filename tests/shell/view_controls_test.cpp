// The Nézet menu's keys on the main window and the [VIEW] settings, on the
// offscreen platform: layers turn on and off, the night view reaches the
// palette, the choices survive a restart and a click keeps its object ringed.
#include "shell/view_controls.h"

#include <QApplication>
#include <QTest>

#include "../canvas/canvas_test_util.h"
#include "appcore/settings_file.h"
#include "appcore/view_switches.h"
#include "chart/small_body_layer.h"
#include "chart/view_layers.h"
#include "print/finished_chart.h"
#include "shell/chart_view.h"
#include "shell/small_body_controls.h"
#include "window_test_folder.h"

using namespace kolvar;

class ViewControlsTest : public QObject {
    Q_OBJECT

private:
    test::WindowTestFolder folder_;
    static void Show(TStarsForm& form) { test::ShowWithChartSize(form, 640, 480); }

private slots:
    void initTestCase() { folder_.Prepare(); }

    void keysTurnLayersAndTheChoicesSurviveARestart() {
        std::filesystem::remove(folder_.SettingsFile());
        {
            TStarsForm form(folder_.Options());
            Show(form);
            form.Session().Observer.JulianDay = 2460635.229;
            form.FormResize();
            const Bitmap plain = form.ChartBitmap();
            QCOMPARE(test::CountColour(plain, FigureColour), 0);

            QTest::keyClick(&form, Qt::Key_C);
            QVERIFY(form.View()->Options().Figures);
            QVERIFY(test::CountColour(form.ChartBitmap(), FigureColour) > 200);
            QTest::keyClick(&form, Qt::Key_C);
            QCOMPARE(test::CountColour(form.ChartBitmap(), FigureColour), 0);

            QTest::keyClick(&form, Qt::Key_L);
            QVERIFY(test::DifferingPixels(form.ChartBitmap(), plain) > 200);
            QVERIFY(form.Action(QStringLiteral("Labels1"))->isChecked());

            QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
            const QColor window = QApplication::palette().color(QPalette::Window);
            QCOMPARE(window.green() + window.blue(), 0);
            const QColor menuText = QApplication::palette().color(QPalette::WindowText);
            QCOMPARE(menuText.green() + menuText.blue(), 0);
            for (int y = 0; y < 480; ++y)
                for (int x = 0; x < 640; ++x) QCOMPARE(form.ChartBitmap().Pixel(x, y).Green, 0);
            QTest::keyClick(&form, Qt::Key_L);
            QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(test::DifferingPixels(form.ChartBitmap(), plain), 0);
            QTest::keyClick(&form, Qt::Key_L);
            QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
        }
        QVERIFY(folder_.SettingsText().find(
                    "[VIEW]\nFigures=0\nNames=0\nRunicNames=0\nLabels=1\nDirections=0\nNight=1\n") !=
                std::string::npos);
        TStarsForm again(folder_.Options());
        QVERIFY(again.View()->Options().Labels && again.View()->Options().Night);
        QVERIFY(!again.View()->Options().Figures);
        again.Action(QStringLiteral("Night1"))->trigger();
        QVERIFY(QApplication::palette().color(QPalette::Window).green() > 0);
    }

    // Each row of the view table is a menu item of its own caption, turned
    // by its key (or, without one, by its item), kept under its settings key
    // and read back on the next start.
    void everySwitchIsItsMenuItemKeyAndSetting() {
        std::filesystem::remove(folder_.SettingsFile());
        {
            TStarsForm form(folder_.Options());
            Show(form);
            for (const ViewSwitch& s : ViewSwitches()) {
                QAction* item = form.Action(QString::fromLatin1(s.Action.data(), s.Action.size()));
                QVERIFY2(item != nullptr, s.Action.data());
                if (s.Key.empty()) {
                    item->trigger();
                } else {
                    const QKeySequence key(QString::fromLatin1(s.Key.data(), s.Key.size()));
                    QTest::keyClick(&form, key[0].key(), key[0].keyboardModifiers());
                }
                QVERIFY2(s.Get(form.View()->Options()) && item->isChecked(), s.Action.data());
            }
            // With everything on, the window shows what the command line's function draws.
            const auto scene = std::make_unique<const SkyScene>(ComputeSkyScene(form.Session().Observer));
            FinishedChart same;
            const Bitmap& shown = form.ChartBitmap();
            DrawFinishedChart(*scene, shown.Width(), shown.Height(), form.View()->Options(), same);
            QCOMPARE(test::DifferingPixels(same.Chart, shown), 0);
        }
        const std::string kept = folder_.SettingsText();
        for (const ViewSwitch& s : ViewSwitches()) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
            std::string line = "\n";
            line.append(s.SettingsKey).append("=").append(s.OnText).append("\n");
            QVERIFY2(kept.find(line) != std::string::npos, line.c_str());
        }
        TStarsForm again(folder_.Options());
        for (const ViewSwitch& s : ViewSwitches()) QVERIFY2(s.Get(again.View()->Options()), s.Action.data());
        again.Action(QStringLiteral("Night1"))->trigger();
        std::filesystem::remove(folder_.SettingsFile());
    }

    // The import runs beside the window; its bodies are kept, drawn once
    // switched on (U), and the switch is kept in a section of its own.
    void importedBodiesAreKeptAndDrawnWhenSwitchedOn() {
        std::filesystem::remove(folder_.SettingsFile());
        const std::string data = folder_.FilePath(QStringLiteral("data")).toStdString();
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data));
        {
            TStarsForm form(folder_.Options());
            Show(form);
            form.Session().Observer.JulianDay = 2459854.33;  // 2022-10-01 20:00 UT, Vesta well up
            form.SmallBodies()->Import(QStringLiteral(KOLVAR_ELEMENTS_DATA "/jpl_asteroids.json"));
            QVERIFY(form.SmallBodies()->Busy());
            QTRY_VERIFY_WITH_TIMEOUT(!form.SmallBodies()->Busy(), 20000);
            QCOMPARE(form.SmallBodies()->Current()->size(), 7u);
            form.FormResize();
            QCOMPARE(test::CountColour(form.ChartBitmap(), MinorPlanetColour), 0);
            QTest::keyClick(&form, Qt::Key_U);
            // Vesta's ring at least (the others are below the horizon or fainter than 10).
            QVERIFY(test::CountColour(form.ChartBitmap(), MinorPlanetColour) >= 12);
        }
        QVERIFY(std::filesystem::file_size(data + "/kolvar/small-bodies.tsv") > 500);
        QVERIFY(folder_.SettingsText().find("[SMALLBODIES]\nShow=1\nMagnitude=10\n") != std::string::npos);
        QVERIFY(folder_.SettingsText().find("[VIEW]") == std::string::npos);
        qunsetenv("XDG_DATA_HOME");
    }

    void aClickKeepsItsObjectRingedUntilEscape() {
        folder_.WriteSettings("[GEOPOS]\nLatitude=0.83\n");
        TStarsForm form(folder_.Options());
        Show(form);
        QCOMPARE(form.View()->Selected(), -1);
        QTest::mousePress(form.Image1(), Qt::LeftButton, {}, QPoint(320, 240));
        const int slot = form.View()->Selected();
        QVERIFY(slot >= 0);
        QVERIFY(test::CountColour(form.ChartBitmap(), SelectionRingColour) > 10);
        QTest::mouseRelease(form.Image1(), Qt::LeftButton, {}, QPoint(320, 240));
        QCOMPARE(form.View()->Selected(), slot);
        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(form.View()->Selected(), -1);
        QCOMPARE(test::CountColour(form.ChartBitmap(), SelectionRingColour), 0);
        form.FormDestroy();
        // No choice was made: the settings file gets no [VIEW].
        QVERIFY(folder_.SettingsText().find("[VIEW]") == std::string::npos);
    }
};

QTEST_MAIN(ViewControlsTest)
#include "view_controls_test.moc"
