// Moving through time from the keyboard on the offscreen platform: steps,
// step sizes, now, the animation (which the open close-up follows), the edge
// of the orbital elements, and the step size kept in the settings.
#include "shell/time_controls.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <utility>

#include "../canvas/canvas_test_util.h"
#include "appcore/ini_file.h"
#include "appcore/time_step_settings.h"
#include "astro/ephemeris_range.h"
#include "astro/time_scales.h"
#include "canvas/canvas.h"
#include "chart/redraw.h"
#include "closeup/draw_close_up.h"
#include "shell/chart_view.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "sky/observer_state.h"
#include "sky/sky_object_table.h"
#include "window_test_folder.h"

using namespace kolvar;

class TimeControlsTest : public QObject {
    Q_OBJECT

private slots:
    void keysMoveTheTimeAndTheCloseUpFollowsTheAnimation() {
        test::WindowTestFolder folder;
        folder.Prepare();
        ProgramWindows w = CreateProgramWindows(folder.Options());
        TStarsForm& form = *w.StarsForm;
        TimeControls& time = *form.Time();
        test::ShowWithChartSize(form, 320, 240);

        const double start = 2461265.2708333333;  // 2026-08-12 20:30 at UT + 2 h
        form.Session().Observer.Zone = 2;
        form.Session().Observer.SummerTime = false;
        form.Session().Observer.JulianDay = start;
        form.FormResize();
        QCOMPARE(time.Step(), TimeStep{});  // one hour without a [TIMESTEP] section
        QVERIFY(form.windowTitle().contains(QStringLiteral("augusztus 12., szerda 20:30 (UTC+2)")));

        // + three times: three hours later, in the title and in the chart.
        for (int i = 0; i < 3; ++i) QTest::keyClick(&form, Qt::Key_Plus);
        QVERIFY(std::fabs(form.Session().Observer.JulianDay - (start + 3.0 / 24)) < 1e-9);
        QVERIFY(form.windowTitle().contains(QStringLiteral("23:30 (UTC+2)")));
        ObserverState observer = form.Session().Observer;
        Bitmap expected;
        ChartFrame frame;
        SkyObjectTable objects;
        MoonPicture moon;
        const SkyScene scene = ComputeSkyScene(observer);
        frame = RedrawChart(scene, expected, 320, 240, moon);
        objects = scene.Objects;
        QVERIFY(test::SamePixels(form.ChartBitmap(), expected));
        QTest::keyClick(&form, Qt::Key_Minus, Qt::KeypadModifier);
        QVERIFY(std::fabs(form.Session().Observer.JulianDay - (start + 2.0 / 24)) < 1e-9);

        // [ and ] change the step size and stop at the ends.
        for (int i = 0; i < 2; ++i) QTest::keyClick(&form, Qt::Key_BracketLeft);
        QCOMPARE(time.Step().Unit, TimeStepUnit::Minute);
        QVERIFY(form.Action(QStringLiteral("StepMinute1"))->isChecked());
        for (int i = 0; i < 9; ++i) QTest::keyClick(&form, Qt::Key_BracketRight);
        QCOMPARE(time.Step().Unit, TimeStepUnit::Year);
        QTest::keyClick(&form, Qt::Key_N);
        QVERIFY(std::fabs(form.Session().Observer.JulianDay - SystemClockJulianDay()) < 5.0 / 86400);

        // Space plays forward one step per frame and pauses again.
        form.Action(QStringLiteral("StepHour1"))->trigger();
        form.Session().Observer.JulianDay = start;
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(time.Play(), TimeControls::Playing::Forward);
        QTRY_VERIFY(form.Session().Observer.JulianDay > start + 2.5 / 24);
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(time.Play(), TimeControls::Playing::No);
        const double paused = form.Session().Observer.JulianDay;
        QTest::qWait(3 * TimeControls::FrameIntervalMs);
        QCOMPARE(form.Session().Observer.JulianDay, paused);

        // R plays backward; the close-up opened meanwhile keeps drawing from
        // the chart's latest table, and takes the time keys too.
        QTest::keyClick(&form, Qt::Key_R);
        TPlainSky& sky = *w.PlainSky;
        bool followed = false, pausedInCloseUp = false, drawnFromLatestChart = false;
        QTimer::singleShot(0, &sky, [&] {
            const int before = sky.RedrawCount();
            followed = QTest::qWaitFor([&] { return sky.RedrawCount() >= before + 3; }, 5000);
            QTest::keyClick(&sky, Qt::Key_R);
            pausedInCloseUp = time.Play() == TimeControls::Playing::No;
            Bitmap view(sky.width(), sky.height(), colours::Black);
            Canvas canvas(view);
            const MilkyWayDirections band =
                MilkyWayDirectionsAt(form.Session().Chart, form.Session().Observer.JulianDay);
            DrawCloseUp(canvas, view.Width(), view.Height(), sky.CloseUpView(),
                        {form.Session().Chart, form.Session().Observer.JulianDay, form.Session().SkyObjects(),
                         form.MoonResult().Picture, band});
            drawnFromLatestChart = test::SamePixels(sky.Picture(), view);
            sky.reject();
        });
        form.Image1MouseDown(Qt::RightButton, 160, 120);
        QVERIFY(followed && pausedInCloseUp && drawnFromLatestChart);
        QVERIFY(form.Session().Observer.JulianDay < paused);

        // Calendar steps count from where their run began: 31 January 20:30,
        // + + is 31 March, - - is 31 January again; another change of the
        // time begins a new run, which clamps at the month's end.
        form.Action(QStringLiteral("StepMonth1"))->trigger();
        const auto day = [](int month, int d) {
            return static_cast<double>(JulianDayFromCalendar(2026, month, d, 20, 30, 0, false, 2.0));
        };
        const double january = day(1, 31);
        const double march = day(3, 31);
        const double february = day(2, 28);
        form.Session().Observer.JulianDay = january;
        for (const auto& [key, reached] :
             {std::pair{Qt::Key_Plus, february}, std::pair{Qt::Key_Plus, march},
              std::pair{Qt::Key_Minus, february}, std::pair{Qt::Key_Minus, january}}) {
            QTest::keyClick(&form, key);
            QVERIFY(std::fabs(form.Session().Observer.JulianDay - reached) < 1e-6);
        }
        QTest::keyClick(&form, Qt::Key_Plus);
        form.Session().Observer.JulianDay += 1e-3;  // set elsewhere: the run ends at 28 February
        QTest::keyClick(&form, Qt::Key_Plus);
        QVERIFY(std::fabs(form.Session().Observer.JulianDay - (day(3, 28) + 1e-3)) < 1e-6);

        // At the edge of the orbital elements a step stops inside with a message.
        StepOutcome edge{start, false};
        while (!edge.AtEdge)
            edge = StepWithinElements(edge.JulianDay, {TimeStepUnit::Year, 100000}, 1, 2, false);
        form.Session().Observer.JulianDay = edge.JulianDay - 100;
        form.Action(QStringLiteral("StepYear1"))->trigger();
        QVERIFY(time.LastMessage().isEmpty());
        QTest::keyClick(&form, Qt::Key_Plus);
        QVERIFY(!time.LastMessage().isEmpty());
        QVERIFY(ElementsCoverDay(form.Session().Observer.JulianDay) &&
                form.Session().Observer.JulianDay > edge.JulianDay - 100);

        // The step size is what the settings file keeps.
        form.FormDestroy();
        QCOMPARE(ReadTimeStepSettings(IniFile::Load(folder.SettingsFile())).Step.Unit, TimeStepUnit::Year);
    }
};

QTEST_MAIN(TimeControlsTest)
#include "time_controls_test.moc"
