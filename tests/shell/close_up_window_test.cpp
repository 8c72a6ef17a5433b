// The close-up window on the offscreen platform: opened modally by a right
// press on the main chart, centred on the pressed direction, re-centred by a
// right press in it, redrawn on resizing.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

#include "canvas/canvas.h"
#include "chart/chart_frame.h"
#include "chart/observer_state.h"
#include "chart/sky_object_table.h"
#include "closeup/draw_close_up.h"
#include "shell/chart_view.h"
#include "shell/program_assets.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"

using namespace kolvar;

namespace {

// What the window shows for `view` at its size, drawn here afresh.
Bitmap Expected(const TPlainSky& sky, const HorizontalPosition& view, const Bitmap& moonPicture)
{
    Bitmap b(sky.width(), sky.height(), colours::Black);
    Canvas canvas(b);
    CloseUpFrame frame;
    DrawCloseUp(canvas, b.Width(), b.Height(), view, {Chart, Observer.JulianDay, SkyObjects, moonPicture}, frame);
    return b;
}

bool SamePixels(const Bitmap& a, const Bitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!(a.Pixel(x, y) == b.Pixel(x, y))) return false;
    return true;
}

double Separation(const HorizontalPosition& a, const HorizontalPosition& b)
{
    const double c = std::sin(a.Altitude) * std::sin(b.Altitude) +
                     std::cos(a.Altitude) * std::cos(b.Altitude) * std::cos(a.Azimuth - b.Azimuth);
    return std::acos(std::min(1.0, c));
}

}  // namespace

class CloseUpWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        InitialiseStaticTables();
        InstallRunicFont(dir_.path().toStdString(), RunicFontFileBytes());
    }

    void rightPressOpensTheModalCloseUpAndRightPressInItRecentres()
    {
        Observer = ObserverState{};
        TStarsForm::Options options;
        options.SettingsFile = std::filesystem::path(dir_.path().toStdString()) / "Kolvar.ini";
        options.ReportError = [](const QString&) {};
        ProgramWindows w = CreateProgramWindows(options);
        TStarsForm& form = *w.StarsForm;
        TPlainSky& sky = *w.PlainSky;
        Observer.FontSize = 17;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(400, 300 + form.MainMenu1()->heightForWidth(400));
        QTRY_COMPARE(form.Image1()->size(), QSize(400, 300));
        QVERIFY(!sky.isVisible());

        const QPoint pressed(290, 95);
        const HorizontalPosition direction = ChartToHorizontal(Chart, pressed.x(), pressed.y());

        // Everything below runs inside the window's modal loop, which the
        // press on the main chart starts and the last step ends.
        bool shownModally = false, centred = false, drawnFromTheChart = false, recentred = false,
             redrawnOnRecentre = false, redrawnOnResize = false;
        int characterSize = 0;
        QTimer::singleShot(0, [&] {
            shownModally = sky.isVisible() && QApplication::activeModalWidget() == &sky;
            characterSize = sky.CharacterSize();
            centred = Separation(sky.CloseUpView(), direction) < 1e-6;
            drawnFromTheChart = SamePixels(sky.Picture(), Expected(sky, direction, form.MoonResult().Picture));

            // A right press at the window's right edge turns the view there.
            const QPoint edge(sky.width() - 1, sky.height() / 2);
            const HorizontalPosition expected =
                UnprojectCloseUp(CloseUpViewFrame, edge.x(), edge.y(), sky.width(), sky.height());
            const int before = sky.RedrawCount();
            QTest::mousePress(sky.Image1(), Qt::RightButton, {}, edge);
            QTest::mouseRelease(sky.Image1(), Qt::RightButton, {}, edge);
            recentred = Separation(sky.CloseUpView(), expected) < 1e-6 &&
                        Separation(sky.CloseUpView(), direction) > 0.3;
            redrawnOnRecentre = sky.RedrawCount() > before &&
                                SamePixels(sky.Picture(), Expected(sky, expected, form.MoonResult().Picture));

            sky.resize(500, 320);
            QTest::qWait(50);
            redrawnOnResize = sky.Picture().Width() == sky.width() && sky.Picture().Height() == sky.height() &&
                              sky.Image1()->Image().size() == sky.size();
            sky.reject();
        });
        QTest::mousePress(form.Image1(), Qt::RightButton, {}, pressed);
        QTest::mouseRelease(form.Image1(), Qt::RightButton, {}, pressed);

        QVERIFY(shownModally);
        QCOMPARE(characterSize, 17);
        QVERIFY(centred);
        QVERIFY(drawnFromTheChart);
        QVERIFY(recentred);
        QVERIFY(redrawnOnRecentre);
        QVERIFY(redrawnOnResize);
        QVERIFY(!sky.isVisible());

        // A left press on the main chart does not open it.
        bool opened = false;
        QTimer::singleShot(0, [&] {
            opened = QApplication::activeModalWidget() == &sky;
            if (opened) sky.reject();
        });
        QTest::mousePress(form.Image1(), Qt::LeftButton, {}, pressed);
        QTest::mouseRelease(form.Image1(), Qt::LeftButton, {}, pressed);
        QTest::qWait(20);
        QVERIFY(!opened);
    }
};

QTEST_MAIN(CloseUpWindowTest)
#include "close_up_window_test.moc"
