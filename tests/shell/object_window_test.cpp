// The object window over the main window, on the offscreen platform: Enter
// in find opens it for M31 with its place and times as PyEphem 4.1 gives
// them (13 August 2024, 21:00 UT, the default place, airless, horizon at
// -34'), a time step updates it, a double click on the chart opens it for
// the object clicked.
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "chart/sky_projection.h"
#include "dialogs/find_dlg.h"
#include "dialogs/object_dlg.h"
#include "dialogs/plain_sky.h"
#include "shell/find_controls.h"
#include "shell/object_controls.h"
#include "texts/object_captions.h"
#include "window_test_folder.h"

using namespace kolvar;

namespace {

// "2024.08.14. 15:34 (UTC+1)" as minutes of the day.
int ClockMinutes(const QString& text) {
    const QStringList clock = text.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(':'));
    return clock.value(0).toInt() * 60 + clock.value(1).toInt();
}

double Degrees(const QString& text) { return text.left(text.indexOf(QChar(0xB0))).toDouble(); }

}  // namespace

class ObjectWindowTest : public QObject {
    Q_OBJECT

private:
    test::WindowTestFolder folder_;
    std::unique_ptr<TStarsForm> form_;

private slots:
    void initTestCase() {
        folder_.Prepare();
        form_ = std::make_unique<TStarsForm>(folder_.Options());
        test::ShowWithChartSize(*form_, 800, 600);
        form_->Session().Observer.JulianDay = 2460536.375;
        form_->FormResize();
    }

    void enterInFindOpensItAsAnAlmanacReadsAndATimeStepMovesIt() {
        QTest::keyClick(form_.get(), Qt::Key_F, Qt::ControlModifier);
        TFindDlg* find = form_->Find()->Dialog();
        QTest::keyClicks(find->Edit1, QStringLiteral("m31"));
        QVERIFY(find->List1->item(0)->text().startsWith(
            QStringLiteral("M31   +38.8\u00B0, nyugszik 08.14. 14:14")));
        QTest::keyClick(find->Edit1, Qt::Key_Return);
        TObjectDlg* window = form_->Objects()->Dialog();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->Report()->Object.Index, FirstDeepSkySlot + 2);

        const ObjectTexts& c = ObjectCaptions();
        QVERIFY(std::fabs(Degrees(window->ValueOf(c.Azimuth)) - 67.7646) < 0.05);
        QVERIFY(std::fabs(Degrees(window->ValueOf(c.Altitude)) - 38.7734) < 0.05);
        const struct {
            const ViewCaption& caption;
            int minutes;  // on the clock of zone +1
        } times[] = {{c.Rise, 15 * 60 + 34}, {c.Transit, 2 * 60 + 56}, {c.Set, 14 * 60 + 14}};
        for (const auto& t : times)
            QVERIFY(std::abs(ClockMinutes(window->ValueOf(t.caption)) - t.minutes) <= 2);

        // A step of the chart's time (an hour by default), here a key in the window itself, moves it.
        const int reports = window->ReportCount();
        const QString altitude = window->ValueOf(c.Altitude);
        QTest::keyClick(window, Qt::Key_Plus);
        QCOMPARE(window->ReportCount(), reports + 1);
        QVERIFY(window->ValueOf(c.Altitude) != altitude);
        QCOMPARE(
            window->Report()->Now.Altitude,
            ReportObject({FoundKind::Slot, FirstDeepSkySlot + 2}, form_->Session().Observer).Now.Altitude);
        find->close();
    }

    void aDoubleClickOnTheChartOpensTheObjectClicked() {
        const int vega = ProgramNameIndex().Find("Vega").at(0).Slot;
        const SkyObjectEntry& e = form_->Session().SkyObjects()[static_cast<std::size_t>(vega)];
        QVERIFY(e.Visible == 1);
        const ChartPoint p =
            SkyProjection::Stereographic(form_->Session().Chart).Project(e.Azimuth, e.Altitude);
        QTest::mouseDClick(form_->Image1(), Qt::LeftButton, {},
                           QPoint(static_cast<int>(p.X), static_cast<int>(p.Y)));
        QCOMPARE(form_->Objects()->Dialog()->Report()->Object.Index, vega);
        QCOMPARE(form_->Objects()->Dialog()->ValueOf(ObjectCaptions().Constellation), QStringLiteral("Lant"));
    }

    // Over the modal close-up the window is the close-up's, so that it takes
    // input; closed, the close-up hands it back to the main window, still shown.
    void ctrlIInTheCloseUpOpensItOverIt() {
        test::WindowTestFolder folder;
        folder.Prepare();
        ProgramWindows w = CreateProgramWindows(folder.Options());
        test::ShowWithChartSize(*w.StarsForm, 400, 300);
        TPlainSky& sky = *w.PlainSky;
        QWidget* owner = nullptr;
        QTimer::singleShot(0, [&] {
            QTest::keyClick(&sky, Qt::Key_I, Qt::ControlModifier);
            TObjectDlg* window = w.StarsForm->Objects()->Dialog();
            if (window != nullptr && window->isVisible()) owner = window->parentWidget();
            sky.reject();
        });
        QTest::mousePress(w.StarsForm->Image1(), Qt::RightButton, {}, QPoint(200, 150));
        QTest::mouseRelease(w.StarsForm->Image1(), Qt::RightButton, {}, QPoint(200, 150));
        QCOMPARE(owner, &sky);
        TObjectDlg* window = w.StarsForm->Objects()->Dialog();
        QVERIFY(window->isVisible());
        QCOMPARE(window->parentWidget(), w.StarsForm.get());
    }
};

QTEST_MAIN(ObjectWindowTest)
#include "object_window_test.moc"
