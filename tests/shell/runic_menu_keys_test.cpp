// The runic menu bar from the keyboard, and switching drop-downs by pointer.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "shell/runic_menu_bar.h"

using namespace kolvar;

namespace {

// Runs `action` once `menu` is the open pop-up.
void WhenOpen(QMenu* menu, std::function<void()> action)
{
    auto* timer = new QTimer(menu);
    QObject::connect(timer, &QTimer::timeout, menu, [menu, timer, action = std::move(action)] {
        if (QApplication::activePopupWidget() != menu) return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(5);
}

// A window like the main one: a blank title, a command, two drop-downs, and a field with the focus.
struct BarWindow {
    QMainWindow window;
    RunicMenuBar* bar = new RunicMenuBar(&window);
    QMenu* first = new QMenu(&window);
    QMenu* second = new QMenu(&window);
    QAction* a1 = first->addAction(QStringLiteral("a1"));
    QAction* a2 = first->addAction(QStringLiteral("a2"));
    QAction* b1 = second->addAction(QStringLiteral("b1"));
    QLineEdit* field = new QLineEdit(&window);
    int commands = 0;
    int blank, command, menu1, menu2;

    BarWindow()
    {
        window.setMenuWidget(bar);
        window.setCentralWidget(field);
        auto add = [this](const char* name) {
            MenuBarItem item;
            item.Name = QString::fromLatin1(name);
            item.PlainCaption = item.Name;
            return bar->AddItem(item);
        };
        blank = add(" ");
        command = add("Command");
        menu1 = add("First");
        menu2 = add("Second");
        bar->Item(command).Command = [this] { ++commands; };
        bar->Item(menu1).DropDown = first;
        bar->Item(menu2).DropDown = second;
        window.resize(400, 200);
        window.show();
        field->setFocus();
    }
};

}  // namespace

class RunicMenuKeysTest : public QObject {
    Q_OBJECT

private slots:
    void f10AndAltSelectTitlesAndEscapeGivesTheFocusBack()
    {
        BarWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClick(w.field, Qt::Key_F10);
        QVERIFY(w.bar->InKeyboardMode());
        QCOMPARE(w.bar->SelectedItem(), w.command);  // the blank title is passed over
        QTest::keyClick(w.bar, Qt::Key_Left);
        QCOMPARE(w.bar->SelectedItem(), w.menu2);  // round the end
        QTest::keyClick(w.bar, Qt::Key_Right);
        QCOMPARE(w.bar->SelectedItem(), w.command);
        QTest::keyClick(w.bar, Qt::Key_Escape);
        QVERIFY(!w.bar->InKeyboardMode());
        QCOMPARE(w.bar->SelectedItem(), -1);
        QCOMPARE(QApplication::focusWidget(), w.field);

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

        // Enter on a title without a drop-down runs its command and leaves the bar.
        QTest::keyClick(w.field, Qt::Key_F10);
        QTest::keyClick(w.bar, Qt::Key_Return);
        QCOMPARE(w.commands, 1);
        QVERIFY(!w.bar->InKeyboardMode());
    }

    void arrowsMoveBetweenDropDownsAndEnterChooses()
    {
        BarWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy chosen(w.b1, &QAction::triggered);
        QAction* markedOnOpening = nullptr;
        bool escapedToTitle = false;
        WhenOpen(w.first, [&] {
            QTRY_VERIFY(w.first->activeAction() != nullptr);
            markedOnOpening = w.first->activeAction();
            QTest::keyClick(w.first, Qt::Key_Down);
            QTest::keyClick(w.first, Qt::Key_Right);  // to the next drop-down
            WhenOpen(w.second, [&] {
                QTest::keyClick(w.second, Qt::Key_Escape);  // back to the title only
                QTimer::singleShot(0, [&] {
                    escapedToTitle = w.bar->InKeyboardMode() && w.bar->SelectedItem() == w.menu2 &&
                                     w.bar->OpenItem() < 0;
                    WhenOpen(w.second, [&] {
                        QTRY_VERIFY(w.second->activeAction() == w.b1);
                        QTest::keyClick(w.second, Qt::Key_Return);
                    });
                    QTest::keyClick(w.bar, Qt::Key_Down);
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
        QCOMPARE(QApplication::focusWidget(), w.field);
    }

    void pointerOverAnotherTitleSwitchesTheOpenDropDown()
    {
        BarWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        bool switched = false;
        WhenOpen(w.first, [&] {
            // The open pop-up has the pointer; it moves over the second title.
            QPoint over = w.bar->mapToGlobal(w.bar->ItemRect(w.menu2).center());
            QMouseEvent move(QEvent::MouseMove, w.first->mapFromGlobal(over), over, Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(w.first, &move);
            WhenOpen(w.second, [&] {
                switched = w.bar->SelectedItem() == w.menu2;
                w.second->close();
            });
        });
        QTest::mouseClick(w.bar, Qt::LeftButton, {}, w.bar->ItemRect(w.menu1).center());
        QTRY_VERIFY(switched);
        QTRY_COMPARE(w.bar->SelectedItem(), -1);
    }
};

QTEST_MAIN(RunicMenuKeysTest)
#include "runic_menu_keys_test.moc"
