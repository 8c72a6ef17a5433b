// The close-up window on the offscreen platform: opened modally by a right
// press on the main chart, centred on the pressed direction, re-centred by a
// right press in it, redrawn on resizing.
#include <QApplication>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "../canvas/canvas_test_util.h"
#include "canvas/canvas.h"
#include "canvas/png_reader.h"
#include "closeup/draw_close_up.h"
#include "closeup/field_circles.h"
#include "dialogs/equipment_dlg.h"
#include "identify/hit_test.h"
#include "identify/label_fit.h"
#include "shell/chart_view.h"
#include "shell/equipment_controls.h"
#include "shell/print_controls.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "sky/observer_state.h"
#include "sky/sky_object_table.h"
#include "widgets/label_images.h"
#include "window_test_folder.h"

using namespace kolvar;

namespace {

bool Same(const HorizontalPosition& a, const HorizontalPosition& b) {
    const double c = std::sin(a.Altitude) * std::sin(b.Altitude) +
                     std::cos(a.Altitude) * std::cos(b.Altitude) * std::cos(a.Azimuth - b.Azimuth);
    return c > std::cos(1e-6);
}

}  // namespace

class CloseUpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void rightPressOpensTheModalCloseUpAndRightPressInItRecentres() {
        test::WindowTestFolder folder;
        folder.Prepare();
        ProgramWindows w = CreateProgramWindows(folder.Options());
        TStarsForm& form = *w.StarsForm;
        TPlainSky& sky = *w.PlainSky;
        form.Session().FontSize = 17;
        test::ShowWithChartSize(form, 400, 300);

        const QPoint pressed(290, 95);
        const HorizontalPosition direction =
            ChartToHorizontal(form.Session().Chart, pressed.x(), pressed.y());
        // The checks run inside the window's modal loop, which the press on
        // the main chart starts and the last step ends.
        bool shownModally = false, drawnFromTheChart = false, recentred = false, resized = false;
        bool named = false, hidden = false;
        HorizontalPosition opened;
        int characterSize = 0;
        QTimer::singleShot(0, [&] {
            shownModally = sky.isVisible() && QApplication::activeModalWidget() == &sky;
            opened = sky.CloseUpView();
            characterSize = sky.CharacterSize();
            Bitmap expected(sky.width(), sky.height(), colours::Black);
            Canvas canvas(expected);
            const MilkyWayDirections band =
                MilkyWayDirectionsAt(form.Session().Chart, form.Session().Observer.JulianDay);
            const SkyProjection view =
                DrawCloseUp(canvas, expected.Width(), expected.Height(), direction,
                            {form.Session().Chart, form.Session().Observer.JulianDay,
                             form.Session().SkyObjects(), form.MoonResult().Picture, band});
            drawnFromTheChart = test::SamePixels(sky.Picture(), expected);

            // A left press names the nearest object under the close-up projection
            // with the labels of this window: the left one keeps its 209 x 105,
            // the margins are the main chart's; the release hides both and
            // fills the left picture with the ground colour.
            const int sw = sky.width(), sh = sky.height();
            const QPoint left(sw / 3, sh / 3);
            const SkyObjectEntry selection = HitTest(form.Session().SkyObjects(), view, left.x(), left.y());
            const ObjectLabels want = FitObjectLabels(
                selection, 17,
                {Rect{0, 0, sw, sh},
                 LabelMarginsOf(form.Session().Chart.ChartWidth, form.Session().Chart.ChartHeight),
                 TextSize{209, 105}});
            QTest::mousePress(sky.Image1(), Qt::LeftButton, {}, left);
            const LabelImage& t1 = *sky.TextImage1();
            const LabelImage& t2 = *sky.TextImage2();
            named =
                t1.isVisible() && t2.isVisible() && t1.geometry() == QRect(0, 0, 209, 105) &&
                test::SamePixels(t1.Picture(), want.Left) && test::SamePixels(t2.Picture(), want.Right) &&
                t2.geometry() == QRect(sw - want.Right.Width(), 0, want.Right.Width(), want.Right.Height());
            QTest::mouseRelease(sky.Image1(), Qt::LeftButton, {}, left);
            hidden = !t1.isVisible() && !t2.isVisible() && t1.Picture().Width() > 0 &&
                     test::SamePixels(t1.Picture(), Bitmap(t1.Picture().Width(), t1.Picture().Height(),
                                                           Colour::FromColorRef(0x400000)));

            // A right press at the right edge turns the view there and redraws.
            const QPoint edge(sky.width() - 1, sky.height() / 2);
            const HorizontalPosition target = view.Backward(edge.x(), edge.y());
            const int redraws = sky.RedrawCount();
            QTest::mousePress(sky.Image1(), Qt::RightButton, {}, edge);
            QTest::mouseRelease(sky.Image1(), Qt::RightButton, {}, edge);
            recentred =
                Same(sky.CloseUpView(), target) && !Same(target, direction) && sky.RedrawCount() > redraws;

            sky.resize(500, 320);
            QTest::qWait(50);
            resized = sky.Picture().Width() == 500 && sky.Picture().Height() == 320 &&
                      sky.Image1()->Image().size() == QSize(500, 320);
            sky.reject();
        });
        QTest::mousePress(form.Image1(), Qt::RightButton, {}, pressed);
        QTest::mouseRelease(form.Image1(), Qt::RightButton, {}, pressed);

        QVERIFY(shownModally);
        QVERIFY(Same(opened, direction));
        QCOMPARE(characterSize, 17);
        QVERIFY(drawnFromTheChart);
        QVERIFY(named);
        QVERIFY(hidden);
        QVERIFY(recentred);
        QVERIFY(resized);
        QVERIFY(!sky.isVisible());

        // The left button does not open it.
        bool openedByLeft = false;
        QTimer::singleShot(0, [&] {
            openedByLeft = QApplication::activeModalWidget() == &sky;
            if (openedByLeft) sky.reject();
        });
        QTest::mouseClick(form.Image1(), Qt::LeftButton, {}, pressed);
        QTest::qWait(20);
        QVERIFY(!openedByLeft);
    }

    // The stored equipment (a bad eyepiece left out) draws its circles in the
    // close-up, which opens fitted to the eyepiece: 52 x 25 / 1000 = 1.3
    // degrees across nine tenths of the shorter side. The dialog refuses a
    // zero focal length by its name and keeps the list; the list is saved.
    // The menu key opens the field menu: its fields set the width across the
    // window, its limits the faintest deep star drawn.
    void fieldMenuSetsTheFieldAndTheMagnitudeLimit() {
        test::WindowTestFolder folder;
        folder.Prepare();
        ProgramWindows w = CreateProgramWindows(folder.Options());
        TStarsForm& form = *w.StarsForm;
        TPlainSky& sky = *w.PlainSky;
        test::ShowWithChartSize(form, 400, 300);
        QList<double> fields;
        bool opened = false;
        int redrawsForLimit = -1;
        QString deepNamed;
        QTimer::singleShot(0, [&] {
            QTest::keyClick(&sky, Qt::Key_F10, Qt::ShiftModifier);
            opened = sky.FieldMenu()->isVisible();
            sky.FieldMenu()->close();
            const QList<QAction*> actions = sky.FieldMenu()->actions();
            for (int i : {4, 7, 0}) {  // two degrees, a quarter, the own scale
                actions[i]->trigger();
                fields << CloseUpFieldDegrees(sky.width(), sky.height(), sky.Zoom());
            }
            actions[4]->trigger();
            // A press on a deep star names it in the labels, as the table's objects are.
            for (int y = 0; y < sky.height() && deepNamed.isEmpty(); ++y)
                for (int x = 0; x < sky.width() && deepNamed.isEmpty(); ++x)
                    if (const std::string name = sky.DeepNameAt(x, y);
                        name.starts_with("HIP") || name.starts_with("TYC")) {
                        QTest::mousePress(sky.Image1(), Qt::LeftButton, {}, QPoint(x, y));
                        const Bitmap& label = sky.TextImage1()->Picture();
                        bool written = false;  // the name, in white
                        for (int ly = 0; ly < label.Height(); ++ly)
                            for (int lx = 0; lx < label.Width(); ++lx)
                                written = written || label.Pixel(lx, ly) == colours::White;
                        if (sky.TextImage1()->isVisible() && written)
                            deepNamed = QString::fromStdString(name);
                        QTest::mouseRelease(sky.Image1(), Qt::LeftButton, {}, QPoint(x, y));
                    }
            const int before = sky.RedrawCount();
            actions[9 + 3]->trigger();  // stars to magnitude 9
            redrawsForLimit = sky.RedrawCount() - before;
            QCOMPARE(sky.MagnitudeLimit(), 9.0f);
            sky.reject();
        });
        QTest::mousePress(form.Image1(), Qt::RightButton, {}, QPoint(200, 150));
        QTest::mouseRelease(form.Image1(), Qt::RightButton, {}, QPoint(200, 150));
        QVERIFY(opened);
        QCOMPARE(fields.size(), 3);
        QVERIFY(std::fabs(fields[0] - 2.0) < 1e-9 && std::fabs(fields[1] - 0.25) < 1e-9);
        QCOMPARE(fields[2], CloseUpFieldDegrees(sky.width(), sky.height(), 1.0));
        QCOMPARE(redrawsForLimit, 1);
        QVERIFY(!deepNamed.isEmpty());
    }

    void equipmentCirclesFitTheCloseUpAndTheDialogRefusesBadFields() {
        test::WindowTestFolder folder;
        folder.Prepare();
        folder.WriteSettings(
            "[EQUIPMENT]\nTelescopes=1\nTelescope1=Newton;200;1000\nEyepieces=2\nEyepiece1=bad;0;50\n"
            "Eyepiece2=Plossl;25;52\nChosenTelescope=1\nChosenEyepiece=1\nTelrad=1\nFitEyepiece=1\n");
        {
            ProgramWindows w = CreateProgramWindows(folder.Options());
            TStarsForm& form = *w.StarsForm;
            TPlainSky& sky = *w.PlainSky;
            test::ShowWithChartSize(form, 400, 300);
            EquipmentControls& equipment = *form.Equipment();
            QCOMPARE(equipment.Circles(), (std::vector<double>{1.3, 0.5, 2.0, 4.0}));
            QVERIFY(equipment.FitAction()->isChecked());

            int radius = 0;
            bool ringed = false;
            QTimer::singleShot(0, [&] {
                const int sw = sky.width(), sh = sky.height();
                radius = static_cast<int>(std::lround(FieldCirclePixels(1.3, sw, sh, sky.Zoom())));
                const auto near = [&](int x, int y) {
                    for (int d = -1; d <= 1; ++d)
                        if (sky.Picture().Pixel(x + d, y) == FieldCircleColour ||
                            sky.Picture().Pixel(x, y + d) == FieldCircleColour)
                            return true;
                    return false;
                };
                ringed = near(sw / 2 + radius, sh / 2) && near(sw / 2, sh / 2 - radius) &&
                         !near(sw / 2 + radius / 2, sh / 2);
                sky.reject();
            });
            QTest::mousePress(form.Image1(), Qt::RightButton, {}, QPoint(200, 150));
            QTest::mouseRelease(form.Image1(), Qt::RightButton, {}, QPoint(200, 150));
            QVERIFY(std::abs(radius - 0.45 * std::min(sky.width(), sky.height())) <= 1.0);
            QVERIFY(ringed);

            // Ctrl+P there saves the finder chart of the view, as wide as the
            // window, with the eyepiece's circle (an A4 PNG at 150 dpi: the
            // chart's centre at 312.5, 332.5 points, 493 points across).
            const QString png = folder.FilePath(QStringLiteral("finder.png"));
            form.Printing()->ChooseFile = [&png] { return png; };
            QTimer::singleShot(0, [&] {
                QTest::keyClick(&sky, Qt::Key_P, Qt::ControlModifier);
                sky.reject();
            });
            QTest::mousePress(form.Image1(), Qt::RightButton, {}, QPoint(200, 150));
            QTest::mouseRelease(form.Image1(), Qt::RightButton, {}, QPoint(200, 150));
            const std::optional<Bitmap> finder = ReadPng(png.toStdString());
            QVERIFY(finder.has_value());
            const double field = CloseUpFieldDegrees(sky.width(), sky.height(), sky.Zoom()) * M_PI / 180;
            const double r = 246.5 * std::tan(0.65 * M_PI / 180) / std::tan(field / 2) * 150 / 72;
            bool red = false;
            for (int d = -2; d <= 2; ++d) {
                const Colour c = finder->Pixel(static_cast<int>(312.5 * 150 / 72 + r) + d, 693);
                red = red || (c.Red > 200 && c.Green < 100);
            }
            QVERIFY(red);

            TEquipmentDlg& dialog = *equipment.Dialog();
            dialog.Show(equipment.Current());
            QString problem;
            dialog.ReportProblem = [&problem](const QString& text) { problem = text; };
            dialog.Table(0)->item(0, 2)->setText(QStringLiteral("0"));
            dialog.accept();
            QVERIFY2(problem.contains(QStringLiteral("f\u00F3kuszt\u00E1vols\u00E1g")), qPrintable(problem));
            dialog.Table(0)->item(0, 2)->setText(QStringLiteral("500"));
            dialog.accept();
            equipment.Apply(dialog.Result());
            QCOMPARE(equipment.Circles().front(), 2.6);
            form.close();
        }
        QVERIFY(folder.SettingsText().find("Telescope1=Newton;200;500") != std::string::npos);
    }
};

QTEST_MAIN(CloseUpWindowTest)
#include "close_up_window_test.moc"
