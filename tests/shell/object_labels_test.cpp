// A click on the drawn chart of the main window, on the offscreen platform:
// the left button shows the labels of the object under the pointer over the
// chart's top corners until it is released; the right one shows none.
#include <QApplication>
#include <QTest>

#include "../canvas/canvas_test_util.h"
#include "canvas/program_fonts.h"
#include "catalog/static_tables.h"
#include "chart/chart_frame.h"
#include "identify/label_fit.h"
#include "shell/chart_view.h"
#include "shell/program_assets.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "shell/stars_form.h"
#include "sky/observer_state.h"
#include "sky/sky_object_table.h"
#include "widgets/label_images.h"
#include "window_test_folder.h"

using namespace kolvar;

class ObjectLabelsTest : public QObject {
    Q_OBJECT

private:
    test::WindowTestFolder folder_;

private slots:
    void initTestCase() {
        folder_.Prepare();
        QVERIFY(RegisterProgramFonts());
    }

    void leftPressShowsTheLabelsOfTheStarUntilReleased() {
        TStarsForm form(folder_.Options());
        test::ShowWithChartSize(form, 800, 600);
        form.Session().Observer.JulianDay = 2460536.375;
        form.Session().Observer.Latitude = DefaultLatitude;
        form.Session().Observer.Longitude = DefaultLongitude;
        form.Session().FontSize = 14;
        form.FormResize();

        const SkyObjectEntry& alpheratz = form.Session().SkyObjects()[FirstStarSlot];  // HR 15, star 0
        QCOMPARE(int(alpheratz.Visible), 1);
        const ChartPoint p = ProjectToChart(form.Session().Chart, alpheratz.Azimuth, alpheratz.Altitude);
        const QPoint pixel(static_cast<int>(p.X), static_cast<int>(p.Y));
        const ObjectLabels expected =
            FitObjectLabels(alpheratz, 14, {Rect{0, 0, 800, 600}, LabelMarginsOf(800, 600), std::nullopt});

        LabelImage* left = form.TextImage1();
        LabelImage* right = form.TextImage2();
        QVERIFY(!left->isVisible() && !right->isVisible());
        QTest::mousePress(form.Image1(), Qt::LeftButton, {}, pixel);
        QVERIFY(left->isVisible() && right->isVisible());
        QCOMPARE(left->geometry(), QRect(0, 0, expected.Left.Width(), expected.Left.Height()));
        QCOMPARE(right->geometry(),
                 QRect(800 - expected.Right.Width(), 0, expected.Right.Width(), expected.Right.Height()));
        QVERIFY(test::SamePixels(left->Picture(), expected.Left));
        QVERIFY(test::SamePixels(right->Picture(), expected.Right));
        const QImage shown = left->grab().toImage().convertToFormat(QImage::Format_RGB888);
        QCOMPARE(shown, QImage(expected.Left.Data(), expected.Left.Width(), expected.Left.Height(),
                               expected.Left.Stride(), QImage::Format_RGB888));

        // A right press and release while the left button is held changes nothing.
        QTest::mousePress(form.Image1(), Qt::RightButton, {}, pixel);
        QTest::mouseRelease(form.Image1(), Qt::RightButton, {}, pixel);
        QVERIFY(left->isVisible() && right->isVisible());

        QTest::mouseRelease(form.Image1(), Qt::LeftButton, {}, pixel);
        QVERIFY(!left->isVisible() && !right->isVisible());
        QCOMPARE(left->Picture().Pixel(40, 33), colours::Navy);
        QCOMPARE(right->Picture().Pixel(right->Picture().Width() - 40, 30), colours::Navy);

        // The middle button names too; a size from the settings file far out
        // of range starts the fit at 1000 and still shows labels that fit.
        form.Session().FontSize = 2147483647;
        QTest::mousePress(form.Image1(), Qt::MiddleButton, {}, pixel);
        QVERIFY(left->isVisible() && right->isVisible());
        QVERIFY(left->width() + right->width() <= 800);
        QTest::mouseRelease(form.Image1(), Qt::MiddleButton, {}, pixel);
        QVERIFY(!left->isVisible());
    }

    void rightPressHandsTheDirectionToTheCloseUpAndShowsNoLabel() {
        TStarsForm form(folder_.Options());
        test::ShowWithChartSize(form, 400, 300);
        form.Session().FontSize = 20;

        std::vector<std::pair<HorizontalPosition, int>> opened;
        form.SetCloseUpOpener([&](const HorizontalPosition& centre, std::int32_t size) {
            opened.push_back({centre, size});
        });
        QTest::mousePress(form.Image1(), Qt::RightButton, {},
                          QPoint(form.Session().Chart.CentreX, form.Session().Chart.CentreY));
        QTest::mousePress(form.Image1(), Qt::RightButton, {}, QPoint(form.Session().Chart.CentreX, 10));
        QVERIFY(!form.TextImage1()->isVisible() && !form.TextImage2()->isVisible());
        QCOMPARE(opened.size(), std::size_t(2));
        QCOMPARE(opened[0].first.Azimuth, 0.0);  // the zenith
        QCOMPARE(opened[0].first.Altitude, 1.5707963267948966);
        QCOMPARE(opened[1].first.Azimuth, 0.0);   // straight up is north
        QVERIFY(opened[1].first.Altitude < 0.0);  // above the horizon circle: below the horizon
        QCOMPARE(opened[1].second, 20);
    }
};

QTEST_MAIN(ObjectLabelsTest)
#include "object_labels_test.moc"
