// The script choice, what screen readers and tooltips tell, the window
// titles and the windows' kept places, on the offscreen platform.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "dialogs/plain_sky.h"
#include "shell/chart_view.h"
#include "shell/program_start.h"
#include "shell/runic_menu_bar.h"
#include "texts/runic_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"
#include "widgets/window_placement.h"
#include "window_test_folder.h"

using namespace kolvar;

class ScriptAndWindowsTest : public QObject {
    Q_OBJECT

private:
    test::WindowTestFolder folder_;
    ProgramWindows Windows() const { return CreateProgramWindows(folder_.Options()); }
    // Every direct child's geometry, to see a round trip of the script leave them as they were.
    static QList<QRect> Layout(QWidget* window) {
        QList<QRect> rects;
        for (QWidget* w : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            rects << w->geometry();
        return rects;
    }

private slots:
    void initTestCase() { folder_.Prepare(); }

    void init() { std::filesystem::remove(folder_.SettingsFile()); }

    // Under the runes every caption keeps its bytes, and tells its Hungarian
    // as a tooltip and to screen readers, the owner-drawn bar included.
    void runesTellTheirHungarian() {
        ProgramWindows w = Windows();
        RunicMenuBar* bar = w.StarsForm->MainMenu1();
        QAccessibleInterface* menuBar = QAccessible::queryAccessibleInterface(bar);
        QCOMPARE(menuBar->role(), QAccessible::MenuBar);
        QStringList spoken;
        for (int i = 0; i < menuBar->childCount(); ++i) {
            QCOMPARE(menuBar->child(i)->role(), QAccessible::MenuItem);
            QCOMPARE(menuBar->indexOfChild(menuBar->child(i)), i);
            spoken << menuBar->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(spoken, QString::fromUtf8(",Segély,Tájékoztató,Betűméret,Nézet,Idő,Megfigyelő").split(','));
        QAccessibleInterface* observerMenu =
            QAccessible::queryAccessibleInterface(w.StarsForm->Observer1Menu());
        QCOMPARE(observerMenu->child(0)->text(QAccessible::Name), QString::fromUtf8("Idő"));
        QAction* time1 = w.StarsForm->Action("Time1");
        QCOMPARE(time1->text(), RunicString(RunicCaptionTable[kMenuTime1].Caption));
        QCOMPARE(time1->toolTip(), QString::fromUtf8("Idő"));
        QVERIFY(w.StarsForm->Action("LatinLetters1")->text().endsWith(QString::fromUtf8("\tLatin betűk")));

        QCOMPARE(w.TimeDlg->OkButton1->text(), RunicString(TimeDlgCaptions.OkButton1.Runic));
        QCOMPARE(w.TimeDlg->OkButton1->toolTip(), QStringLiteral("Legyen"));
        QCOMPARE(w.TimeDlg->Year->accessibleName(), QString::fromUtf8("év"));
        QCOMPARE(w.PlaceDlg->North->accessibleName(), QString::fromUtf8("északi"));
        QCOMPARE(w.HelpForm1->Button1->accessibleName(), QStringLiteral("Vissza"));
    }

    // Latin letters from the menu turn every caption into plain Hungarian and
    // are kept; the runes come back with every byte, face and place.
    void latinLettersFromTheMenuAndBack() {
        {
            ProgramWindows w = Windows();
            const QList<QRect> timeLayout = Layout(w.TimeDlg.get());
            QAction* latin = w.StarsForm->Action("LatinLetters1");
            latin->trigger();
            QCOMPARE(CurrentScript(), Script::Latin);
            QCOMPARE(w.StarsForm->Action("Exit1")->text(), QString::fromUtf8("Kijárat"));
            QVERIFY(w.StarsForm->Action("Figures1")
                        ->text()
                        .startsWith(QString::fromUtf8("Csillagképek vonalai\t")));
            QVERIFY(w.StarsForm->Action("Find1")->text().startsWith(QString::fromUtf8("Keresés\t")));
            QVERIFY(w.StarsForm->Observer1Menu()->font().family() != QStringLiteral("Runex23x"));
            QCOMPARE(w.TimeDlg->OkButton1->text(), QStringLiteral("Legyen"));
            QVERIFY(w.TimeDlg->font().family() != QStringLiteral("Runex23x"));
            QCOMPARE(w.PlaceDlg->West->text(), QStringLiteral("nyugati"));
            QCOMPARE(w.InfoDlg->Label1->text(), QString::fromUtf8("Csillagtérkép"));
            QCOMPARE(w.HelpForm1->Label3->text(), QString::fromUtf8("Az időt és a helyet a menüben állítod"));
            QVERIFY(w.TimeDlg->OkButton1->toolTip().isEmpty());

            latin->trigger();
            QCOMPARE(w.TimeDlg->OkButton1->text(), RunicString(TimeDlgCaptions.OkButton1.Runic));
            QCOMPARE(w.TimeDlg->font().family(), QStringLiteral("Runex23x"));
            QCOMPARE(w.TimeDlg->Label1->font().pixelSize(), 16);
            QCOMPARE(Layout(w.TimeDlg.get()), timeLayout);
            latin->trigger();
        }
        QVERIFY(folder_.SettingsText().find("[VIEW]\nScript=latin\n") != std::string::npos);
        SetCurrentScript(Script::Runic);
        ProgramWindows w = Windows();
        QCOMPARE(CurrentScript(), Script::Latin);
        QVERIFY(w.StarsForm->Action("LatinLetters1")->isChecked());
        QCOMPARE(w.TimeDlg->NowButton1->text(), QStringLiteral("Most"));
        SetCurrentScript(Script::Runic);
    }

    void everyWindowHasATitleOfItsOwn() {
        ProgramWindows w = Windows();
        std::set<QString> titles;
        for (QWidget* window :
             std::initializer_list<QWidget*>{w.StarsForm.get(), w.InfoDlg.get(), w.TimeDlg.get(),
                                             w.PlaceDlg.get(), w.PlainSky.get(), w.HelpForm1.get()}) {
            QVERIFY(!window->windowTitle().trimmed().isEmpty());
            QVERIFY2(titles.insert(window->windowTitle()).second, qPrintable(window->windowTitle()));
        }
    }

    // The main window and the close-up open where they were; a place off
    // every screen is not taken, and the chart never shrinks below the design.
    void windowsOpenWhereTheyWereLeft() {
        folder_.WriteSettings(
            "[WINDOW]\nLeft=40\nTop=30\nWidth=500\nHeight=300\nCloseUpLeft=90\n"
            "CloseUpTop=80\nCloseUpWidth=350\nCloseUpHeight=220\n");
        {
            ProgramWindows w = Windows();
            w.StarsForm->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.StarsForm.get()));
            QCOMPARE(w.StarsForm->pos(), QPoint(40, 30));
            QCOMPARE(w.StarsForm->Image1()->size(), QSize(500, 300));
            QCOMPARE(w.PlainSky->pos(), QPoint(90, 80));
            QCOMPARE(w.PlainSky->size(), QSize(350, 220));
            w.StarsForm->move(60, 50);
            w.StarsForm->resize(100, 100);
            QTRY_COMPARE(w.StarsForm->Image1()->size().expandedTo(QSize(312, 186)),
                         w.StarsForm->Image1()->size());
            w.StarsForm->resize(600, 350 + w.StarsForm->MainMenu1()->heightForWidth(600));
            QTRY_COMPARE(w.StarsForm->Image1()->size(), QSize(600, 350));
        }
        QVERIFY2(folder_.SettingsText().find("Left=60\nTop=50\nWidth=600\nHeight=350\n") != std::string::npos,
                 folder_.SettingsText().c_str());
        folder_.WriteSettings("[WINDOW]\nLeft=50000\nTop=30\nWidth=500\nHeight=300\n");
        ProgramWindows w = Windows();
        QVERIFY(w.StarsForm->pos() != QPoint(50000, 30));
        QVERIFY(w.StarsForm->Image1()->width() >= 312);
    }

    // Stored places come back usable on the nearest screen's free area, menu included.
    void storedPlacesAreKeptOnAScreen_data() {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<int>("menu");
        QTest::addColumn<QRect>("kept");
        QTest::newRow("1 x 1") << QRect(100, 100, 1, 1) << 0 << QRect(100, 100, 312, 186);
        QTest::newRow("under the bottom edge") << QRect(40, 500, 500, 300) << 20 << QRect(40, 280, 500, 300);
        QTest::newRow("past 2nd right") << QRect(1700, 100, 400, 300) << 0 << QRect(1520, 100, 400, 300);
        QTest::newRow("off all, near 2nd") << QRect(5000, 5000, 400, 300) << 0 << QRect(1520, 724, 400, 300);
        QTest::newRow("huge, most on 2nd") << QRect(0, 0, 3000, 2000) << 40 << QRect(800, 0, 1120, 984);
    }

    void storedPlacesAreKeptOnAScreen() {
        QFETCH(QRect, stored);
        QFETCH(int, menu);
        const QList<QRect> screens{QRect(0, 24, 800, 576), QRect(800, 0, 1120, 1024)};
        const WindowPlacement placement{stored.x(), stored.y(), stored.width(), stored.height()};
        QTEST(KeptOnScreen(placement, screens, QSize(312, 186), menu), "kept");
    }
};

QTEST_MAIN(ScriptAndWindowsTest)
#include "script_and_windows_test.moc"
