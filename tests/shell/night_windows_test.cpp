// The night view reaches what the palette cannot: the pictures of buttons,
// labels and toolbars turn red and come back by day, the line edit's cursor
// (which Qt draws by inverting the dark red under it into cyan) is red, and a
// file dialog shows no green or blue.
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/night_palette.h"
#include "window_test_folder.h"

using namespace kolvar;

namespace {

// Pixels with green or blue above the dim level of the night view.
int BrightPixels(QWidget& widget) {
    const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* p = reinterpret_cast<const QRgb*>(shown.constBits());
    return static_cast<int>(std::count_if(p, p + shown.width() * shown.height(),
                                          [](QRgb c) { return qGreen(c) > 40 || qBlue(c) > 40; }));
}

QPixmap Swatch(QColor colour) {
    QPixmap pixmap(24, 24);
    pixmap.fill(colour);
    return pixmap;
}

}  // namespace

class NightWindowsTest : public QObject {
    Q_OBJECT

    test::WindowTestFolder folder_;

private slots:
    void initTestCase() {
        folder_.Prepare();
        QApplication::setCursorFlashTime(0);  // the cursor always drawn, never between blinks
    }

    void picturesAndCursorAreRedAtNightAndComeBackByDay() {
        QDialog dialog;
        auto* label = new QLabel;
        label->setPixmap(Swatch(Qt::cyan));
        auto* button = new QPushButton(QIcon(Swatch(Qt::blue)), QStringLiteral("OK"));
        auto* edit = new QLineEdit(QStringLiteral("Vega"));
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(label);
        layout->addWidget(button);
        layout->addWidget(edit);
        const QImage dayPicture = label->pixmap().toImage();
        // Where the day's cursor stands: the column that changes as the edit takes focus.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage unfocused = edit->grab().toImage();
        dialog.activateWindow();
        edit->setFocus();
        edit->end(false);
        QTRY_VERIFY(edit->hasFocus());
        const QImage focused = edit->grab().toImage();
        int cursorX = -1;
        for (int x = 4; x < focused.width() - 4 && cursorX < 0; ++x)  // inside the focus frame
            if (focused.pixel(x, focused.height() / 2) != unfocused.pixel(x, focused.height() / 2))
                cursorX = x;
        QVERIFY(cursorX > 0);

        SetNightWindows(true);
        QApplication::processEvents();
        QCOMPARE(BrightPixels(dialog), 0);
        // The cursor is there, in red, where it stood by day.
        QCOMPARE(QColor(edit->grab().toImage().pixel(cursorX, focused.height() / 2)),
                 QColor(NightBrightestRed, 0, 0));

        // By day the pictures are as they were.
        SetNightWindows(false);
        QCOMPARE(label->pixmap().toImage(), dayPicture);
        QVERIFY(BrightPixels(dialog) > 0);
    }

    void fileDialogShowsNoGreenOrBlueAtNight() {
        SetNightWindows(true);
        QFileDialog dialog(nullptr, QStringLiteral("Ment\u00E9s"), folder_.FilePath(QString()));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(200);  // the folder's entries are read in the background
        QCOMPARE(BrightPixels(dialog), 0);
        dialog.close();
        SetNightWindows(false);
    }
};

QTEST_MAIN(NightWindowsTest)
#include "night_windows_test.moc"
