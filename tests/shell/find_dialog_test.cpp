// The find dialog driven from the keyboard over the main window, on the
// offscreen platform: typing fills the list, Enter names the first entry
// (ring and labels kept until a click or Escape), the list is walked with
// Down, and an object below the horizon is told with its rising time in the
// observer's civil time.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cstring>

#include "chart/view_layers.h"
#include "dialogs/find_dlg.h"
#include "identify/label_fit.h"
#include "plan/local_horizon.h"
#include "shell/chart_view.h"
#include "shell/find_controls.h"
#include "shell/runic_menu_bar.h"
#include "shell/stars_form.h"
#include "shell/view_controls.h"
#include "texts/find_captions.h"
#include "widgets/label_images.h"
#include "widgets/runic_text.h"
#include "window_test_folder.h"

using namespace kolvar;

class FindDialogTest : public QObject {
    Q_OBJECT

private:
    test::WindowTestFolder folder_;
    std::unique_ptr<TStarsForm> form_;

    // The sky of 13 August 2024, 21:00 UT, over the default place, zone +1.
    TFindDlg* OpenOverTheChart(Qt::Key key, Qt::KeyboardModifiers mods) {
        QTest::keyClick(form_.get(), key, mods);
        TFindDlg* dialog = form_->Find()->Dialog();
        return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
    }

private slots:
    void initTestCase() {
        folder_.Prepare();
        form_ = std::make_unique<TStarsForm>(folder_.Options());
        test::ShowWithChartSize(*form_, 800, 600);
        form_->Session().Observer.JulianDay = 2460536.375;
        form_->FormResize();
    }

    void enterNamesTheFirstEntryUntilEscapeOrAClick() {
        TFindDlg* dialog = OpenOverTheChart(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(dialog != nullptr);
        QTest::keyClicks(dialog->Edit1, QStringLiteral("m31"));
        QVERIFY(dialog->List1->item(0)->text().startsWith(QStringLiteral("M31   ")));
        QTest::keyClick(dialog->Edit1, Qt::Key_Return);

        const int m31 = FirstDeepSkySlot + 2;
        QCOMPARE(form_->View()->Selected(), m31);
        const SkyObjectEntry& e = form_->Session().SkyObjects()[m31];
        const ChartPoint p = ProjectToChart(form_->Session().Chart, e.Azimuth, e.Altitude);
        int ring = 0;
        for (int y = -9; y <= 9; ++y)
            for (int x = -9; x <= 9; ++x)
                ring += form_->ChartBitmap().Pixel(static_cast<int>(p.X) + x, static_cast<int>(p.Y) + y) ==
                        SelectionRingColour;
        QVERIFY(ring > 20);
        // The labels a click on M31 shows, and they stay.
        const ObjectLabels expected = FitObjectLabels(
            e, form_->Session().FontSize, {Rect{0, 0, 800, 600}, LabelMarginsOf(800, 600), std::nullopt});
        const Bitmap& left = form_->TextImage1()->Picture();
        QVERIFY(form_->TextImage1()->isVisible() && form_->TextImage2()->isVisible());
        QVERIFY(left.Width() == expected.Left.Width() && left.Height() == expected.Left.Height() &&
                std::memcmp(
                    left.Data(), expected.Left.Data(),
                    static_cast<std::size_t>(left.Stride()) * static_cast<std::size_t>(left.Height())) == 0);
        QVERIFY(dialog->NoteLabel->text().isEmpty());

        // A redraw at another size fits them to it; Escape closes the
        // dialog, then clears the chart.
        form_->resize(700, 500 + form_->MainMenu1()->heightForWidth(700));
        QTRY_COMPARE(form_->Image1()->size(), QSize(700, 500));
        QCOMPARE(form_->TextImage2()->geometry().right(), 699);
        QTest::keyClick(dialog->Edit1, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QTest::keyClick(form_.get(), Qt::Key_Escape);
        QVERIFY(!form_->TextImage1()->isVisible());
        QCOMPARE(form_->View()->Selected(), -1);

        // Found again, a click on the chart ends the kept labels.
        QVERIFY(OpenOverTheChart(Qt::Key_Slash, Qt::NoModifier) == dialog);
        QTest::keyClick(dialog->Edit1, Qt::Key_Return);
        QCOMPARE(form_->Find()->Labelled(), m31);
        QTest::mouseClick(form_->Image1(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!form_->TextImage1()->isVisible());
        QCOMPARE(form_->Find()->Labelled(), -1);
    }

    // Behind a local horizon the note and the list say what the skyline
    // allows: Sirius, culminating below a southern wall, never rises over it.
    void behindTheSkylineTheNoteFollowsIt() {
        const double degree = 3.141592653589793 / 180.0;
        form_->UseSkyline(
            std::make_shared<const LocalHorizon>(std::vector<LocalHorizon::Point>{{0, 0},
                                                                                  {100 * degree, 0},
                                                                                  {120 * degree, 30 * degree},
                                                                                  {240 * degree, 30 * degree},
                                                                                  {260 * degree, 0}}),
            "");
        TFindDlg* dialog = OpenOverTheChart(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(dialog != nullptr);
        dialog->Edit1->setFocus();
        dialog->Edit1->clear();
        QTest::keyClicks(dialog->Edit1, QStringLiteral("sirius"));
        QTest::keyClick(dialog->Edit1, Qt::Key_Return);
        QCOMPARE(dialog->NoteLabel->text(), RunicString(FindCaptions().NeverRises.Runic));
        form_->UseSkyline(nullptr, "");
        dialog->Edit1->clear();
    }

    void theListFromTheKeyboardAndBelowTheHorizon() {
        const FindTexts& c = FindCaptions();
        struct Case {
            const char* typed;
            int downs;  // Down presses before Enter: the first one enters the list
            bool summerTime;
            int slot;  // -1: nothing is chosen
            std::string_view note;
            const char* time;
        } cases[] = {
            {"sz", 2, false, FirstPlanetSlot + 4, {}, ""},  // Szaturnusz, second after Sirius
            {"sirius", 0, false, FirstStarSlot + 807, c.RisesAt.Runic, "2024.08.14. 04:11 (UTC+1)"},
            {"SZIRIUSZ", 1, true, FirstStarSlot + 807, c.RisesAt.Runic, "2024.08.14. 05:11 (UTC+2)"},
            {"canopus", 0, false, FirstStarSlot + 528, c.NeverRises.Runic, ""},
            {"qqxv", 1, false, -1, c.NoMatch.Runic, ""},
        };
        TFindDlg* dialog = OpenOverTheChart(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(dialog != nullptr);
        for (const Case& k : cases) {
            form_->View()->Select(-1);
            form_->Session().Observer.SummerTime = k.summerTime;
            dialog->Edit1->setFocus();
            dialog->Edit1->clear();
            QTest::keyClicks(dialog->Edit1, QString::fromUtf8(k.typed));
            QWidget* focus = dialog->Edit1;
            for (int i = 0; i < k.downs; ++i) {
                QTest::keyClick(focus, Qt::Key_Down);
                focus = dialog->focusWidget();
            }
            QTest::keyClick(focus, Qt::Key_Return);
            QCOMPARE(form_->View()->Selected(), k.slot);
            QCOMPARE(dialog->NoteLabel->text(), RunicString(k.note));
            QCOMPARE(dialog->TimeLabel->text(), QString::fromLatin1(k.time));
        }
        form_->Session().Observer.SummerTime = false;
        QCOMPARE(dialog->List1->count(), 0);
    }
};

QTEST_MAIN(FindDialogTest)
#include "find_dialog_test.moc"
