// The runic menu bar from the keyboard, and switching open drop-downs.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "shell/runic_menu_bar.h"

using namespace kolvar;

namespace {

// Runs `action` once `menu` is the open pop-up.
void WhenOpen(QMenu* menu, std::function<void()> action) {
    auto* timer = new QTimer(menu);
    QObject::connect(timer, &QTimer::timeout, menu, [menu, timer, action = std::move(action)] {
        if (QApplication::activePopupWidget() != menu) return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(5);
}

// Like the main window: a blank title, a command, two drop-downs, and a field with the focus.
struct BarWindow {
    QMainWindow window;
    RunicMenuBar* bar = new RunicMenuBar(&window);
    QMenu* first = new QMenu(&window);
    QMenu* second = new QMenu(&window);
    QAction* a1 = first->addAction(QStringLiteral("a1"));
    QAction* b1 = second->addAction(QStringLiteral("b1"));  // a drop-down needs an item to open
    QLineEdit* field = new QLineEdit(&window);
    int commands = 0;
    int command = 1, menu1 = 2, menu2 = 3;

    BarWindow() {
        window.setMenuWidget(bar);
        window.setCentralWidget(field);
        for (const char* name : {" ", "Command", "First", "Second"}) {
            MenuBarItem item;
            item.Name = item.PlainCaption = QString::fromLatin1(name);
            bar->AddItem(item);
        }
        bar->Item(command).Command = [this] { ++commands; };
        bar->Item(menu1).DropDown = first;
        bar->Item(menu2).DropDown = second;
        window.resize(400, 200);
        window.show();
        window.activateWindow();
        field->setFocus();
        // A loaded machine may take seconds to activate the window, and the
        // focus follows only then.
        if (!QTest::qWaitForWindowActive(&window, 30000)) qWarning("window not active");
    }
};

}  // namespace

class RunicMenuKeysTest : public QObject {
    Q_OBJECT

private slots:
    void f10AndAltSelectTitlesAndEscapeGivesTheFocusBack() {
        BarWindow w;
        QTest::keyClick(w.field, Qt::Key_F10);
        QVERIFY(w.bar->InKeyboardMode());
        QCOMPARE(w.bar->SelectedItem(), w.command);  // the blank title is passed over
        QTest::keyClick(w.bar, Qt::Key_Left);
        QCOMPARE(w.bar->SelectedItem(), w.menu2);  // round the end
        QTest::keyClick(w.bar, Qt::Key_Right);
        QCOMPARE(w.bar->SelectedItem(), w.command);
        QTest::keyClick(w.bar, Qt::Key_Escape);
        QCOMPARE(w.bar->SelectedItem(), -1);
        QTRY_COMPARE(QApplication::focusWidget(), w.field);

        // Alt pressed and released alone does the same; Alt with another key does not.
        QTest::keyPress(w.field, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(w.field, Qt::Key_Alt);
        QVERIFY(w.bar->InKeyboardMode());
        QTest::keyClick(w.bar, Qt::Key_F10);
        QVERIFY(!w.bar->InKeyboardMode());
        QTest::keyPress(w.field, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(w.field, Qt::Key_X, Qt::AltModifier);
        QTest::keyRelease(w.field, Qt::Key_Alt);
        QVERIFY(!w.bar->InKeyboardMode());

        // Enter on a title without a drop-down runs its command and leaves the
        // bar; Down, which opens drop-downs, leaves such a title alone.
        QTest::keyClick(w.field, Qt::Key_F10);
        QTest::keyClick(w.bar, Qt::Key_Down);
        QCOMPARE(w.commands, 0);
        QVERIFY(w.bar->InKeyboardMode());
        QTest::keyClick(w.bar, Qt::Key_Return);
        QCOMPARE(w.commands, 1);
        QVERIFY(!w.bar->InKeyboardMode());
    }

    void dropDownsSwitchByArrowsAndPointerAndEnterChooses() {
        BarWindow w;
        QSignalSpy chosen(w.a1, &QAction::triggered);
        QAction* markedOnOpening = nullptr;
        bool escapedToTitle = false;
        WhenOpen(w.first, [&] {
            QTRY_VERIFY(w.first->activeAction() != nullptr);
            markedOnOpening = w.first->activeAction();
            QTest::keyClick(w.first, Qt::Key_Right);  // to the next drop-down
            WhenOpen(w.second, [&] {
                // The open pop-up has the pointer; it moves back over the first title.
                QPoint over = w.bar->mapToGlobal(w.bar->ItemRect(w.menu1).center());
                QMouseEvent move(QEvent::MouseMove, w.second->mapFromGlobal(over), over, Qt::NoButton,
                                 Qt::NoButton, {});
                QApplication::sendEvent(w.second, &move);
                WhenOpen(w.first, [&] {
                    QTest::keyClick(w.first, Qt::Key_Escape);  // back to the title only
                    QTimer::singleShot(0, [&] {
                        escapedToTitle = w.bar->InKeyboardMode() && w.bar->SelectedItem() == w.menu1 &&
                                         w.bar->OpenItem() < 0;
                        WhenOpen(w.first, [&] {
                            QTRY_VERIFY(w.first->activeAction() == w.a1);
                            QTest::keyClick(w.first, Qt::Key_Return);
                        });
                        QTest::keyClick(w.bar, Qt::Key_Down);
                    });
                });
            });
        });
        QTest::keyClick(w.field, Qt::Key_F10);
        QTest::keyClick(w.bar, Qt::Key_Right);
        QTest::keyClick(w.bar, Qt::Key_Down);
        QTRY_COMPARE(chosen.count(), 1);
        QCOMPARE(markedOnOpening, w.a1);
        QVERIFY(escapedToTitle);
        QVERIFY(!w.bar->InKeyboardMode());
        QTRY_COMPARE(QApplication::focusWidget(), w.field);  // given back once the pop-up has gone
    }
};

QTEST_MAIN(RunicMenuKeysTest)
#include "runic_menu_keys_test.moc"
