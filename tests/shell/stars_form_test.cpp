// The main window, its menu and the information and help windows, on the
// offscreen platform.
#include "shell/stars_form.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <system_error>

#include "appcore/settings_file.h"
#include "astro/time_scales.h"
#include "catalog/static_tables.h"
#include "chart/chart_frame.h"
#include "shell/chart_view.h"
#include "shell/program_assets.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "shell/time_controls.h"
#include "sky/observer_state.h"
#include "texts/print_captions.h"
#include "widgets/runic_text.h"
#include "window_test_folder.h"

using namespace kolvar;

class StarsFormTest : public QObject {
    Q_OBJECT

private:
    test::WindowTestFolder folder_;

private slots:
    void initTestCase() { folder_.Prepare(); }

    void init() { std::filesystem::remove(folder_.SettingsFile()); }

    void runicFontIsWrittenAndRegistered() {
        QTemporaryDir programDir;
        std::filesystem::path file = std::filesystem::path(programDir.path().toStdString()) / "Runex23x.ttf";
        std::ofstream(file) << "an older, broken copy";
        InstallRunicFont(programDir.path().toStdString(), RunicFontFileBytes());
        std::ifstream in(file, std::ios::binary);
        std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        auto font = RunicFontFileBytes();
        QCOMPARE(written.size(), font.size());
        QVERIFY(std::equal(written.begin(), written.end(), reinterpret_cast<const char*>(font.data())));
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Runex23x")));
        QCOMPARE(QFontInfo(RunicFont(12)).family(), QStringLiteral("Runex23x"));
    }

    void missingEmbeddedFontIsFatalAndNamesTheStep() {
        try {
            InstallRunicFont(folder_.SettingsFile().parent_path(), {});
            QFAIL("no error");
        } catch (const StartupError& e) {
            QCOMPARE(QString::fromStdString(e.Step()), QStringLiteral("FindResource"));
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("Runex23x.ttf")));
        }
    }

    void startUpCreatesTheWindowsInOrder() {
        std::vector<std::string> trace;
        ProgramWindows w = CreateProgramWindows(folder_.Options(), &trace);
        QCOMPARE(trace, (std::vector<std::string>{"TStarsForm", "TInfoDlg", "TTimeDlg", "TPlaceDlg",
                                                  "TPlainSky", "THelpForm1"}));
        QVERIFY(w.StarsForm && w.InfoDlg && w.TimeDlg && w.PlaceDlg && w.PlainSky && w.HelpForm1);
        QVERIFY(!w.InfoDlg->isVisible());
        QVERIFY(!w.HelpForm1->isVisible());
        QVERIFY(!w.PlainSky->isVisible());
    }

    void formCreateReadsTheSettingsAndStartsAtTheTrueInstant() {
        folder_.WriteSettings(
            "[LOCALTIME]\nZone=2\nSummerTime=1\n[GEOPOS]\nLongitude=-0.25\nLatitude=0.5\n[FONTSIZE]"
            "\nFontSize=20\n"
            "[TIMESTEP]\nStep=1sd\n");
        {
            TStarsForm form(folder_.Options());
            QCOMPARE(form.Session().Observer.Zone, 2.0);
            QCOMPARE(form.Session().Observer.SummerTime, true);
            QCOMPARE(form.Session().Observer.Longitude, -0.25);
            QCOMPARE(form.Session().Observer.Latitude, 0.5);
            QCOMPARE(form.Session().FontSize, 20);
            QCOMPARE(form.Time()->Step().Unit, TimeStepUnit::SiderealDay);
            QVERIFY(!form.Time()->ClockRuns());
            // The true current instant, whatever the zone (the old start read
            // the clock as zone +1 h: an hour off for most of the year).
            QVERIFY2(std::fabs(form.Session().Observer.JulianDay - SystemClockJulianDay()) < 5.0 / 86400,
                     "not the current instant");
        }
        // Kept at exit, with the step size in its own section.
        QCOMPARE(LoadIniFile(folder_.SettingsFile()).SummerTime, 1);
        std::ifstream in(folder_.SettingsFile());
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QVERIFY2(text.find("[TIMESTEP]\nStep=1sd\nRunningClock=0\n") != std::string::npos, text.c_str());
    }

    // A place past every range in the file (cos(2 latitude) overflowed and
    // no star was drawn) is reduced to the same direction on the sphere.
    void hugeStoredAnglesStillDrawTheSky() {
        folder_.WriteSettings("[GEOPOS]\nLongitude=-1e300\nLatitude=9e307\n");
        TStarsForm form(folder_.Options());
        test::ShowWithChartSize(form, 320, 200);
        QVERIFY(std::fabs(form.Session().Observer.Latitude) <= M_PI / 2 &&
                std::fabs(form.Session().Observer.Longitude) <= M_PI);
        QVERIFY(std::fabs(std::sin(form.Session().Observer.Latitude) - std::sin(9e307)) < 1e-12);
        const double x = std::cos(-1e300) * std::cos(9e307), y = std::sin(-1e300) * std::cos(9e307);
        QVERIFY(std::fabs(std::atan2(y, x) - form.Session().Observer.Longitude) < 1e-12);
        const auto stars = std::count_if(form.Session().SkyObjects().begin() + FirstStarSlot,
                                         form.Session().SkyObjects().begin() + FirstDeepSkySlot,
                                         [](const SkyObjectEntry& e) { return e.Visible != 0; });
        QVERIFY2(stars > 1000, std::to_string(stars).c_str());
    }

    void resizeRedrawsChartAndMoonPicture() {
        TStarsForm form(folder_.Options());
        test::ShowWithChartSize(form, 320, 200);
        QCOMPARE(form.Session().Chart.ChartWidth, 320);
        QCOMPARE(form.Session().Chart.ChartHeight, 200);
        QCOMPARE(form.ChartBitmap().Width(), 320);
        QCOMPARE(form.ChartBitmap().Height(), 200);
        QCOMPARE(form.Image1()->ChartImage().size(), QSize(320, 200));
        // The image wraps the bitmap's pixels, no copy.
        QCOMPARE(static_cast<const void*>(form.Image1()->ChartImage().constBits()),
                 static_cast<const void*>(form.ChartBitmap().Data()));
        QVERIFY(!form.Image1()->MoonImage().isNull());
        QRect moon = form.Image1()->MoonPlacement();
        QVERIFY(moon.isValid());
        QCOMPARE(moon, QRect(form.MoonResult().Left, form.MoonResult().Top, form.MoonResult().Size,
                             form.MoonResult().Size));
        // The Moon picture lies at the lower right of the horizon circle.
        QVERIFY(moon.center().x() > form.Session().Chart.CentreX &&
                moon.center().y() > form.Session().Chart.CentreY);

        // What the window shows is the chart with the Moon picture over it.
        QImage shown = form.Image1()->grab().toImage().convertToFormat(QImage::Format_RGB888);
        QPoint corner(1, 1);
        QCOMPARE(shown.pixelColor(corner), form.Image1()->ChartImage().pixelColor(corner));
        QImage moonShown = form.Image1()->MoonImage().scaled(moon.size());
        QPoint mid = moon.center();
        QCOMPARE(shown.pixelColor(mid), moonShown.pixelColor(mid - moon.topLeft()));

        int before = form.RedrawCount();
        form.resize(400, 250 + form.MainMenu1()->heightForWidth(400));
        QTRY_COMPARE(form.Session().Chart.ChartWidth, 400);
        QCOMPARE(form.ChartBitmap().Height(), 250);
        QVERIFY(form.RedrawCount() > before);
    }

    void resizeAfterDestructionBeganDrawsNothing() {
        TStarsForm form(folder_.Options());
        test::ShowWithChartSize(form, 320, 200);
        int redraws = form.RedrawCount();
        form.FormDestroy();
        QVERIFY(form.Session().Closing);
        form.resize(500, 400);
        QTRY_COMPARE(form.Image1()->width(), 500);
        QCOMPARE(form.RedrawCount(), redraws);
        QCOMPARE(form.ChartBitmap().Width(), 320);
        QCOMPARE(form.Session().Chart.ChartWidth, 320);
    }

    // Two main windows in one process: each draws its own observer's sky, and
    // closing one leaves the other drawing.
    void twoWindowsKeepTheirOwnSky() {
        TStarsForm first(folder_.Options());
        test::ShowWithChartSize(first, 320, 200);
        const ObserverState observer = first.Session().Observer;
        const SkyObjectEntry sun = first.Session().SkyObjects()[0];
        {
            TStarsForm second(folder_.Options());
            test::ShowWithChartSize(second, 400, 250);
            second.Session().Observer.JulianDay += 0.25;
            second.Session().Observer.Latitude = -observer.Latitude - 0.5;
            second.FormResize();
            QVERIFY(second.Session().SkyObjects()[0].Azimuth != sun.Azimuth);
            QCOMPARE(first.Session().Observer.JulianDay, observer.JulianDay);
            QCOMPARE(first.Session().Observer.Latitude, observer.Latitude);
            QCOMPARE(first.Session().Chart.ChartWidth, 320);
            QCOMPARE(first.Session().SkyObjects()[0].Azimuth, sun.Azimuth);
        }
        QVERIFY(!first.Session().Closing);
        const int redraws = first.RedrawCount();
        first.resize(400, 250 + first.MainMenu1()->heightForWidth(400));
        QTRY_COMPARE(first.Session().Chart.ChartWidth, 400);
        QVERIFY(first.RedrawCount() > redraws);
    }

    void menuBarHasRunicItemsLeftAndRight() {
        TStarsForm form(folder_.Options());
        test::ShowWithChartSize(form, 600, 300);
        RunicMenuBar* bar = form.MainMenu1();
        auto rect = [bar](const char* name) {
            return bar->ItemRect(bar->IndexOf(QString::fromLatin1(name)));
        };
        QCOMPARE(rect("N1").left(), 0);
        QCOMPARE(rect("Help1").left(), rect("N1").right() + 1);
        QCOMPARE(rect("Information1").right() + 1, rect("CharSize1").left());
        QCOMPARE(rect("CharSize1").right() + 1, rect("View1").left());
        QCOMPARE(rect("View1").right() + 1, rect("TimeSteps1").left());
        QCOMPARE(rect("TimeSteps1").right() + 1, rect("Observer1").left());
        QCOMPARE(rect("Observer1").right() + 1, bar->width());
        QVERIFY(rect("Help1").right() < rect("Information1").left());

        // Every item but N1 carries its runic caption; Help1 alone is not right-justified.
        for (const char* name : {"Help1", "Information1", "CharSize1", "View1", "TimeSteps1", "Observer1"}) {
            const MenuBarItem& item = bar->Item(bar->IndexOf(QString::fromLatin1(name)));
            QVERIFY2(!item.RunicCaption.empty(), name);
            QCOMPARE(item.RightJustify, std::string_view(name) != "Help1");
        }
        QVERIFY(bar->Item(bar->IndexOf(QStringLiteral("N1"))).RunicCaption.empty());
        QCOMPARE(bar->Item(bar->IndexOf(QStringLiteral("Observer1"))).RunicCaption,
                 std::string_view(" `\xF6le\xF0ifgem "));
        // "nézet" through the transliteration, reversed.
        QCOMPARE(bar->Item(bar->IndexOf(QStringLiteral("View1"))).RunicCaption,
                 std::string_view(" tez\xE9n "));
        QCOMPARE(form.Action(QStringLiteral("Exit1"))->text(), QString::fromLatin1(" tar`ajik "));
        QCOMPARE(form.Observer1Menu()->font().family(), QStringLiteral("Runex23x"));

        // Growing the window keeps the right group at the right end.
        form.resize(800, 300 + bar->height());
        QTRY_COMPARE(bar->width(), 800);
        QCOMPARE(rect("Observer1").right() + 1, 800);
    }

    void menuBarWrapsWhenTheWindowIsNarrow() {
        // At its design size, which the settings ask for, the window is too
        // narrow for the runic captions in one row.
        folder_.WriteSettings("[WINDOW]\nLeft=10\nTop=20\nWidth=312\nHeight=186\n");
        TStarsForm form(folder_.Options());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_COMPARE(form.Image1()->size(), QSize(312, 186));
        RunicMenuBar* bar = form.MainMenu1();
        QCOMPARE(bar->width(), 312);
        QVERIFY(bar->height() > bar->sizeHint().height());
        for (int i = 0; i < bar->ItemCount(); ++i) {
            QVERIFY2(bar->rect().contains(bar->ItemRect(i)), qPrintable(bar->Item(i).Name));
            for (int j = i + 1; j < bar->ItemCount(); ++j)
                QVERIFY(!bar->ItemRect(i).intersects(bar->ItemRect(j)));
        }
        int observer1 = bar->IndexOf(QStringLiteral("Observer1"));
        QCOMPARE(bar->ItemRect(observer1).right() + 1, 312);
        QCOMPARE(bar->ItemRect(bar->IndexOf(QStringLiteral("N1"))).left(), 0);

        // Wide enough for one row, the bar takes one row again.
        form.resize(800, form.height());
        QTRY_COMPARE(bar->height(), bar->sizeHint().height());
        QCOMPARE(bar->ItemRect(observer1).right() + 1, 800);
        QCOMPARE(form.Image1()->height(), form.height() - bar->height());
    }

    void selectedItemIsDrawnInTheHighlightColours() {
        TStarsForm form(folder_.Options());
        test::ShowWithChartSize(form, 600, 300);
        RunicMenuBar* bar = form.MainMenu1();
        int observer = bar->IndexOf(QStringLiteral("Observer1"));
        QRect r = bar->ItemRect(observer);
        QPoint probe(r.left() + 1, r.top() + 1);  // inside the check-mark margin, no glyph there
        QImage plain = bar->grab().toImage();
        QCOMPARE(plain.pixelColor(probe), bar->palette().color(QPalette::Window));
        bar->SetSelectedItem(observer);
        QImage selected = bar->grab().toImage();
        QCOMPARE(selected.pixelColor(probe), bar->palette().color(QPalette::Highlight));
        // The caption itself is drawn: some pixels inside the item have the highlighted-text colour.
        bool textSeen = false;
        for (int x = r.left() + bar->CheckMarkWidth(); x <= r.right() && !textSeen; ++x)
            for (int y = r.top(); y <= r.bottom() && !textSeen; ++y)
                textSeen = selected.pixelColor(x, y) == bar->palette().color(QPalette::HighlightedText);
        QVERIFY(textSeen);
    }

    void growAndShrinkFromTheMenu() {
        TStarsForm form(folder_.Options());
        QCOMPARE(form.Session().FontSize, 12);
        QList<int> seen;
        for (int i = 0; i < 5; ++i) {
            form.Action(QStringLiteral("Grow1"))->trigger();
            seen.append(form.Session().FontSize);
        }
        QCOMPARE(seen, (QList<int>{16, 22, 31, 43, 60}));
        form.Session().FontSize = 12;
        seen.clear();
        for (int i = 0; i < 3; ++i) {
            form.Action(QStringLiteral("Shrivell1"))->trigger();
            seen.append(form.Session().FontSize);
        }
        QCOMPARE(seen, (QList<int>{8, 5, 5}));
        form.Session().FontSize = 7;
        form.Shrivell1Click();
        QCOMPARE(form.Session().FontSize, 4);
        // The new size is what the settings file keeps.
        form.Grow1Click();
        form.FormDestroy();
        QCOMPARE(LoadIniFile(folder_.SettingsFile()).FontSize, 5);
    }

    void informationWindowOpensAndClosesThroughItsButton() {
        ProgramWindows w = CreateProgramWindows(folder_.Options());
        TInfoDlg* info = w.InfoDlg.get();
        QCOMPARE(info->size(), QSize(842, 449));
        QCOMPARE(info->TurulImage->geometry(), QRect(12, 39, 182, 170));
        QCOMPARE(info->CimerImage->geometry(), QRect(328, 121, 138, 158));
        QCOMPARE(info->ZaszloImage->geometry(), QRect(571, 36, 168, 212));
        QCOMPARE(info->Button1->geometry(), QRect(400, 376, 115, 38));
        QVERIFY(!info->Label1->text().isEmpty());
        QCOMPARE(info->Label2->text().size(), 4);
        bool wasShown = false;
        QTimer::singleShot(0, info, [info, &wasShown] {
            wasShown = info->isVisible() && info->isModal();
            QTest::mouseClick(info->Button1, Qt::LeftButton);
        });
        w.StarsForm->Information1Click();
        QVERIFY(wasShown);
        QVERIFY(!info->isVisible());
        QCOMPARE(info->result(), 2);

        // It is reused, and its close box or Escape cancel it as well.
        info->setResult(0);
        QTimer::singleShot(0, info, [info] { QTest::keyClick(info, Qt::Key_Escape); });
        w.StarsForm->Information1Click();
        QVERIFY(!info->isVisible());
        QCOMPARE(info->result(), 2);
    }

    void helpWindowClosesLikeItsButton_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "button";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close box or Alt+F4") << "close";
    }

    void helpWindowClosesLikeItsButton() {
        QFETCH(QString, how);
        ProgramWindows w = CreateProgramWindows(folder_.Options());
        THelpForm1* help = w.HelpForm1.get();
        QVERIFY(help->windowFlags() & Qt::WindowCloseButtonHint);
        for (QLabel* label : {help->Label1, help->Label2, help->Label3, help->Label4}) {
            QCOMPARE(label->geometry().right() + 1, 642);
            QVERIFY(!label->text().isEmpty());
            QVERIFY(label->alignment() & Qt::AlignRight);
        }
        QCOMPARE(help->Button1->geometry(), QRect(477, 283, 165, 56));

        QTimer::singleShot(0, help, [help, how] {
            if (how == "button") QTest::mouseClick(help->Button1, Qt::LeftButton);
            if (how == "Escape") QTest::keyClick(help->Button1, Qt::Key_Escape);
            if (how == "close") help->close();  // what the window manager asks for
        });
        QTimer::singleShot(3000, help, [help] { help->done(0); });  // still open: not closed by it
        w.StarsForm->Help1Click();
        QVERIFY(!help->isVisible());
        QCOMPARE(help->result(), 2);
    }

    void settingsAreSavedAtDestruction() {
        {
            TStarsForm form(folder_.Options());
            form.Session().Observer.Zone = -3.5;
            form.Session().Observer.SummerTime = true;
            form.Session().Observer.Longitude = 1.0 / 3.0;
        }
        IniValues v = LoadIniFile(folder_.SettingsFile());
        QCOMPARE(v.Zone, -3.5);
        QCOMPARE(v.SummerTime, 1);
        QVERIFY(std::fabs(v.Longitude - 1.0 / 3.0) < 1e-15);
    }

    // A first start (no settings file) names the view keys over the chart
    // until the first key; the next start, with the file saved, does not.
    void firstStartShowsTheKeysUntilAKey() {
        for (const bool first : {true, false}) {
            TStarsForm form(folder_.Options());
            form.show();
            QLabel* hint = form.findChild<QLabel*>(QStringLiteral("FirstHint"));
            QCOMPARE(hint != nullptr, first);
            if (!first) break;
            QVERIFY(hint->isVisible() && hint->text().startsWith(QStringLiteral("C: Csillagk")));
            QVERIFY(hint->text().contains(QStringLiteral("Ctrl+F")));
            QTest::keyClick(&form, Qt::Key_Shift);
            QTRY_VERIFY(form.findChild<QLabel*>(QStringLiteral("FirstHint")) == nullptr);
        }
    }

    void failedSaveIsReportedWithFileAndReason() {
        QStringList errors;
        std::filesystem::path blocker = folder_.SettingsFile().parent_path() / "blocker";
        std::ofstream(blocker) << "a file, not a folder";
        TStarsForm::Options options = folder_.Options(&errors);
        options.SettingsFile = blocker / "Kolvar.ini";
        { TStarsForm form(options); }
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QString::fromStdString(options.SettingsFile.string())),
                 qPrintable(errors[0]));
        QVERIFY(!errors[0].contains('\n'));
        QVERIFY2(errors[0].contains(PlainString(ErrorCodeText(ENOTDIR))), qPrintable(errors[0]));
        std::filesystem::remove(blocker);
    }

    void failedSaveShowsAMessageBoxAndEndsNormally() {
        std::filesystem::path blocker = folder_.SettingsFile().parent_path() / "blocker";
        std::ofstream(blocker) << "a file, not a folder";
        TStarsForm::Options options;
        options.SettingsFile = blocker / "Kolvar.ini";
        QString shownText;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&shownText] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shownText = box->text();
                box->accept();
            }
        });
        watcher.start(20);
        { TStarsForm form(options); }
        watcher.stop();
        QVERIFY2(shownText.contains(QString::fromStdString(options.SettingsFile.string())),
                 qPrintable(shownText));
        QVERIFY(shownText.contains(PlainString(ErrorCodeText(ENOTDIR))));
        std::filesystem::remove(blocker);
    }
};

QTEST_MAIN(StarsFormTest)
#include "stars_form_test.moc"
