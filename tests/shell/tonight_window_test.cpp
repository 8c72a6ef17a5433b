// The tonight window over the main window, on the offscreen platform: the
// list arrives from its worker thread, sorts by any column, follows its
// filters; a click selects the object on the chart, a double click opens the
// close-up on it; its rows go onto the observing list, stepped through in
// the list window.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "chart/view_layers.h"
#include "dialogs/list_dlg.h"
#include "dialogs/tonight_dlg.h"
#include "plan/observing_list.h"
#include "shell/horizon_controls.h"
#include "shell/list_controls.h"
#include "shell/print_controls.h"
#include "shell/stars_form.h"
#include "shell/tonight_controls.h"
#include "shell/view_controls.h"
#include "telescope/telescope_target.h"
#include "widgets/script_text.h"
#include "window_test_folder.h"

using namespace kolvar;

class TonightWindowTest : public QObject {
    Q_OBJECT

private:
    test::WindowTestFolder folder_;
    std::unique_ptr<TStarsForm> form_;
    std::optional<HorizontalPosition> closeUp_;

    // The names the tonight window lists for the observer's night, at 10 degrees and brighter than 2.
    std::vector<std::string> Names() {
        form_->Action(QStringLiteral("Tonight1"))->trigger();
        TTonightDlg* d = form_->Tonight()->Dialog();
        d->MinAltEdit->setValue(10.0);
        d->MagEdit->setValue(2.0);
        d->Compute();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!d->Computing(), 20000); }();
        std::vector<std::string> names;
        for (int row = 0; row < d->Table->model()->rowCount(); ++row)
            names.emplace_back(d->EntryAt(row)->Object->Name);
        return names;
    }

    int RowOf(TTonightDlg& d, std::string_view name) {
        for (int row = 0; row < d.Table->model()->rowCount(); ++row)
            if (d.EntryAt(row)->Object->Name == name) return row;
        return -1;
    }

private slots:
    void initTestCase() {
        folder_.Prepare();
        form_ = std::make_unique<TStarsForm>(folder_.Options());
        form_->SetCloseUpOpener(
            [this](const HorizontalPosition& centre, std::int32_t) { closeUp_ = centre; });
        test::ShowWithChartSize(*form_, 800, 600);
        form_->Session().Observer.JulianDay = 2461384.3;  // 9 December 2026, 19:12 UT
        form_->FormResize();
    }

    void listsSortsFiltersSelectsAndOpensTheCloseUp() {
        form_->Action(QStringLiteral("Tonight1"))->trigger();
        TTonightDlg* d = form_->Tonight()->Dialog();
        QVERIFY(d != nullptr && d->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!d->Computing(), 20000);
        QVERIFY(d->NightLabel->text().contains(QStringLiteral("Napnyugta 15:5")));
        for (const char* name : {"Jupiter", "M42", "M31"}) QVERIFY2(RowOf(*d, name) >= 0, name);

        // By altitude, highest first.
        d->Table->sortByColumn(9, Qt::DescendingOrder);
        for (int row = 1; row < d->Table->model()->rowCount(); ++row)
            QVERIFY(d->EntryAt(row - 1)->BestAltitude >= d->EntryAt(row)->BestAltitude);

        const int m31 = RowOf(*d, "M31");
        const QModelIndex cell = d->Table->model()->index(m31, 0);
        d->Table->scrollTo(cell);
        const QPoint at = d->Table->visualRect(cell).center();
        QTest::mouseClick(d->Table->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(form_->View()->Selected(), FirstDeepSkySlot + 2);
        QTest::mouseDClick(d->Table->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(closeUp_.has_value());
        QCOMPARE(closeUp_->Azimuth, form_->Session().SkyObjects()[FirstDeepSkySlot + 2].Azimuth);
        QCOMPARE(closeUp_->Altitude, form_->Session().SkyObjects()[FirstDeepSkySlot + 2].Altitude);

        // A higher minimum altitude: a shorter list, every object above it.
        const int before = d->Table->model()->rowCount();
        d->MinAltEdit->setValue(60.0);
        QTRY_VERIFY_WITH_TIMEOUT(!d->Computing(), 20000);
        QVERIFY(d->Table->model()->rowCount() < before);
        for (int row = 0; row < d->Table->model()->rowCount(); ++row)
            QVERIFY(d->EntryAt(row)->BestAltitude >= 60.0 * 3.141592653589793 / 180.0 - 1e-9);

        // Captions in Latin letters: the plain Hungarian in the header.
        form_->LatinLetters1Click(true);
        QCOMPARE(d->Table->model()->headerData(9, Qt::Horizontal).toString(),
                 QStringLiteral("Magass\u00E1g"));
        form_->LatinLetters1Click(false);
    }

    // The kinds filter, then a row onto the observing list, the list window
    // stepping to it (selected on the chart) and logging it with a note.
    void addsToTheListStepsAndLogs() {
        qputenv("XDG_DATA_HOME", folder_.FilePath(QStringLiteral("data")).toUtf8());
        form_->Action(QStringLiteral("Tonight1"))->trigger();
        TTonightDlg* d = form_->Tonight()->Dialog();
        d->MinAltEdit->setValue(20.0);
        d->KindBoxes[static_cast<std::size_t>(ObjectGroup::Star)]->setChecked(false);
        QTRY_VERIFY_WITH_TIMEOUT(!d->Computing(), 20000);
        for (int row = 0; row < d->Table->model()->rowCount(); ++row)
            QVERIFY(d->EntryAt(row)->Object->Kind.Group != ObjectGroup::Star);
        QVERIFY(!d->AddChosen());
        for (const char* name : {"M42", "Jupiter"}) {
            d->Table->selectRow(RowOf(*d, name));
            QVERIFY(d->AddChosen());
        }
        QVERIFY(!d->SlewButton->isEnabled());  // no telescope
        // The plan on paper, into the file chosen.
        const QString pdf = folder_.FilePath(QStringLiteral("plan.pdf"));
        form_->Printing()->ChooseFile = [pdf] { return pdf; };
        QString failure;
        form_->Printing()->ReportError = [&failure](const QString& text) { failure = text; };
        QVERIFY(d->PrintButton->isEnabled());
        d->PrintButton->click();
        QCOMPARE(failure, QString());
        std::ifstream plan(pdf.toStdString(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(plan), std::istreambuf_iterator<char>()};
        QVERIFY(bytes.starts_with("%PDF") &&
                bytes.find("/Count 1\n") == std::string::npos);  // more than one page
        d->KindBoxes[static_cast<std::size_t>(ObjectGroup::Star)]->setChecked(true);

        form_->Action(QStringLiteral("Lists1"))->trigger();
        TListDlg* l = form_->Lists()->Dialog();
        QVERIFY(l != nullptr && l->isVisible());
        QCOMPARE(l->Table->rowCount(), 2);
        QCOMPARE(l->Table->item(1, 0)->text(), QStringLiteral("Jupiter"));
        form_->View()->Select(-1);
        l->Next();  // from Jupiter, the last added, round to M42
        QCOMPARE(form_->View()->Selected(), TargetNamed("M42")->Slot);
        l->NoteEdit->setText(QStringLiteral("k\u00F6d, \"sz\u00E9p\""));
        l->MarkObserved();
        QCOMPARE(l->Table->item(0, 3)->text(), QStringLiteral("k\u00F6d, \"sz\u00E9p\""));
        l->Next();
        QCOMPARE(form_->View()->Selected(), TargetNamed("Jupiter")->Slot);
        const ListReading kept = LoadObservingList(ObservingListPath("megfigyel\xC3\xA9s"), "x");
        QVERIFY(kept.List && kept.List->Objects.size() == 2 && kept.List->Objects[0].Observed);
        QVERIFY(std::abs(kept.List->Objects[0].Observed->Latitude -
                         form_->Session().Observer.Latitude * 180.0 / 3.141592653589793) < 1e-4);
    }

    // A horizon file named in the settings: the chart shows its silhouette
    // and the tonight list leaves out what culminates behind it.
    void theSettingsHorizonHidesTheSouth() {
        const std::vector<std::string> before = Names();
        form_.reset();
        const QString file = folder_.FilePath(QStringLiteral("garden.txt"));
        std::ofstream(file.toStdString()) << "0 0\n150 30\n210 30\n";
        folder_.WriteSettings("[HORIZON]\nFile=" + file.toStdString() + "\n");
        form_ = std::make_unique<TStarsForm>(folder_.Options());
        test::ShowWithChartSize(*form_, 800, 600);
        form_->Session().Observer.JulianDay = 2461384.3;
        form_->FormResize();
        QVERIFY(form_->Skyline() != nullptr);
        // Straight below the centre, 20 degrees up: behind the skyline.
        const int y =
            form_->Session().Chart.CentreY +
            static_cast<int>(form_->Session().Chart.ChartRadius * std::tan(35.0 * 3.141592653589793 / 180));
        QCOMPARE(form_->ChartBitmap().Pixel(form_->Session().Chart.CentreX, y), SkylineColour);
        const std::vector<std::string> after = Names();
        QVERIFY(std::find(before.begin(), before.end(), "Sirius") != before.end());
        QVERIFY(std::find(after.begin(), after.end(), "Sirius") == after.end());
        QVERIFY(after.size() < before.size());
    }

    // Drawing the horizon: clicks record points into the settings' file, the
    // skyline comes with the second point and goes with its undo.
    void drawsTheHorizonByClicks() {
        const QString file = folder_.FilePath(QStringLiteral("garden.txt"));
        std::ofstream(file.toStdString()) << "# mine\n";
        form_->UseSkyline(nullptr, file.toStdString());
        form_->Action(QStringLiteral("DrawHorizon1"))->trigger();
        QVERIFY(form_->Horizon()->Editing());
        form_->Image1MouseDown(Qt::LeftButton, form_->Session().Chart.CentreX,
                               form_->Session().Chart.CentreY + form_->Session().Chart.ChartRadius / 2);
        QVERIFY(form_->Skyline() == nullptr);
        form_->Image1MouseDown(Qt::LeftButton,
                               form_->Session().Chart.CentreX + form_->Session().Chart.ChartRadius / 2,
                               form_->Session().Chart.CentreY);
        QVERIFY(form_->Skyline() != nullptr);
        QCOMPARE(form_->View()->Selected(), -1);  // the clicks name nothing
        // The tonight window computes again over each new skyline: Sirius, 26 degrees high in the south.
        form_->Action(QStringLiteral("Tonight1"))->trigger();
        TTonightDlg* d = form_->Tonight()->Dialog();
        form_->UseSkyline(form_->Skyline(), file.toStdString());
        QVERIFY(d->Computing());
        QTRY_VERIFY_WITH_TIMEOUT(!d->Computing(), 20000);
        QCOMPARE(RowOf(*d, "Sirius"), -1);
        std::ifstream in(file.toStdString());
        const HorizonReading kept = ReadLocalHorizon(
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
        QVERIFY(kept.Horizon && kept.Horizon->Points().size() == 2);
        // South at 36.9 degrees (half the radius from the centre), then west (right of it).
        constexpr double D = 3.141592653589793 / 180;
        QVERIFY(std::abs(kept.Horizon->Points()[0].Azimuth - 180 * D) < 0.5 * D);
        QVERIFY(std::abs(kept.Horizon->Points()[0].Altitude - 36.87 * D) < 0.5 * D);
        QVERIFY(std::abs(kept.Horizon->Points()[1].Azimuth - 270 * D) < 0.5 * D);
        QVERIFY(form_->Action(QStringLiteral("UndoHorizonPoint1"))->isEnabled());
        form_->Action(QStringLiteral("UndoHorizonPoint1"))->trigger();
        QCOMPARE(form_->Horizon()->Points().size(), std::size_t{1});
        QVERIFY(form_->Skyline() == nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!d->Computing(), 20000);
        QVERIFY(RowOf(*d, "Sirius") >= 0);  // the open sky again
        form_->Action(QStringLiteral("DrawHorizon1"))->trigger();
        QVERIFY(!form_->Horizon()->Editing());
    }

    void cleanupTestCase() { form_.reset(); }
};

QTEST_MAIN(TonightWindowTest)
#include "tonight_window_test.moc"
